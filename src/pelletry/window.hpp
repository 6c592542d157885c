#pragma once
// pelletry's window: the food's name, memo, ID and kind, the picture, the 25-slot frame strip
// with its trash can and preview, and the File and Help menus. The checks and the file live
// in the flow (pelletry.hpp); the window shows its state. Edit undoes and redoes every change
// of the strip and the picture, and the window asks before frames not yet written are lost.
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pelletry/frame_strip.hpp"
#include "pelletry/pelletry.hpp"
#include "ui/qt/suite_menus.hpp"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QUndoStack;

namespace pelletry {

class DragPassArea;
class FrameSlot;
class LookButton;
class PreviewWindow;
class TrashCan;

class Window : public QMainWindow {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs.
  explicit Window(QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  explicit Window(ui::Ui& ui, QWidget* parent = nullptr);
  ~Window() override;

  Pelletry& flow() { return flow_; }
  // Shows the flow's boxes and kind in their controls (after they were set from outside).
  void showBoxes();

  // The picture button (Image4) and what a chosen picture does.
  void choosePicture();
  void setPicture(const std::filesystem::path& file);
  // The add-frame button (Image6) and what a chosen frame does.
  void addFrame();
  void addFrame(const std::filesystem::path& file);
  // A frame dragged from one slot and dropped on another: the two swap (a drop on an empty
  // slot does nothing).
  void dropFrame(int from, int to);
  // A frame dropped on the highlighted trash: deleted, the later ones moving up.
  void trashFrame(int slot);
  // The preview button (Image10): the modal preview, when the strip holds frames.
  void preview();
  // The preview window for the strip as it is, not yet shown (the preview button shows it
  // modally); null for an empty strip.
  std::unique_ptr<PreviewWindow> makePreview(QWidget* parent);
  // The kind scroll bar's value.
  void setKind(int kind);
  // File / New, File / Save, Help / About Pelletry.
  void newFood();
  void save();
  void about();

  bool previewEnabled() const;

  // Every change of the strip and the picture, to undo and redo one action at a time.
  QUndoStack* undoStack() const { return undo_; }
  // The strip's frames and the picture, as an action changes them and undo brings them back.
  struct Frames {
    std::vector<std::string> strip;
    std::string picture;
    bool operator==(const Frames&) const = default;
  };
  Frames frames() const;
  void showFrames(const Frames& frames);
  // True when the strip holds frames and it or the picture differs from what was last saved.
  bool unsaved() const;
  // Before the frames are set aside (closing, New): asks whether to save them first; false
  // when the person cancelled or the save did not happen.
  bool maySetAsideFrames(const char* question);

  // Bitmap files dropped from the desktop: on the picture display or the picture button the
  // first becomes the picture; anywhere else each joins the strip while there is room.
  void dropFiles(const QStringList& files, bool onPicture);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void makeControls();
  void connectControls(DragPassArea* background, DragPassArea* panel);
  void makeMenus();
  void readBoxes();
  void showStrip();
  void showPicture();
  void showKind();
  void limitMemo();
  QPixmap framePicture(const std::string& path);
  Box mainBox() const;
  // What an action did to the frames, as one step to undo, when it changed anything.
  void recordEdit(const Frames& before, const QString& what);

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  Pelletry flow_;
  QLineEdit* name_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QString memoAccepted_;
  QLineEdit* id_ = nullptr;
  QScrollBar* kind_ = nullptr;
  std::array<QLabel*, 13> kindPictures_{};
  QLabel* pictureDisplay_ = nullptr;
  QLabel* kindDisplay_ = nullptr;
  std::array<FrameSlot*, 27> slots_{};
  LookButton* pictureButton_ = nullptr;
  LookButton* addButton_ = nullptr;
  LookButton* previewButton_ = nullptr;
  TrashCan* trash_ = nullptr;
  QLabel* frameCount_ = nullptr;
  QHash<QString, QPixmap> frames_;  // each added frame as it was when added
  QUndoStack* undo_ = nullptr;
  Frames saved_;                    // the frames last written
  ui::RecentFiles recent_;          // pictures and frames
};

}  // namespace pelletry
