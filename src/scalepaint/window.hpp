#pragma once
// scalepaint's window: the palette grid vaSpread1, the source field Label1 (click to choose,
// or drop a file on the window), the Destinate box Text1, MAKE (Command1) and PreView
// (Command2), and the FILE and EDIT menus (EDIT also undoes and redoes every change of the
// grid). Beside each row's number the grid shows the colour of its index and the colour it
// becomes. The preview is drawn on the window's background:
// the 350 × 350 drawing stretched over the whole surface under the controls, each drawing
// pixel (x, y) filling the box from (x·sx, y·sy) to ((x + 1)·sx, (y + 1)·sy). Beside it,
// PreView opens a window that plays the first fish's animations through the table.
#include <QImage>
#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "scalepaint/scalepaint.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/qt/worker.hpp"

#include <QTableWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QUndoStack;

namespace ui {
class AnimationPlayer;
class ChoosingPathLabel;
}

namespace scalepaint {

// The palette grid; an action reads it only after the cell being typed is taken in.
class PaletteGrid : public QTableWidget {
  Q_OBJECT

 public:
  using QTableWidget::QTableWidget;
  void commitEdit();
};

// The window's background, on which PreView draws.
class PreviewSurface : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewSurface(QWidget* parent = nullptr);
  // The drawing (350 × 350, transparent where nothing was drawn); a null image clears it.
  void setDrawing(const QImage& drawing);
  const QImage& drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 signals:
  void resized();

 private:
  QImage drawing_;
};

class Window : public QMainWindow {
  Q_OBJECT

 public:
  // The window with its own message boxes and dialogs, started in currentFolder.
  explicit Window(const std::filesystem::path& currentFolder, const Edition& edition = kEdition060,
                  QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  Window(ui::Ui& ui, const std::filesystem::path& currentFolder, const Edition& edition = kEdition060,
         QWidget* parent = nullptr);
  ~Window() override;

  Scalepaint& flow() { return flow_; }
  PreviewSurface* surface() const { return surface_; }
  // PreView's player of the first fish's animations through the table (an edit of the table
  // shows at once while it is open); null before the first PreView that found a fish.
  ui::AnimationPlayer* animationPlayer() const { return player_; }

  // The menu entries and buttons.
  void openPalette();
  void openPaletteFile(const std::filesystem::path& file);
  void savePalette();
  void init();
  void fill();
  void chooseSource();
  // MAKE runs on a worker thread; while it runs, the other actions wait.
  void make();
  void preview();
  // A source chosen another way (dropped, or given at start).
  void setSource(const std::filesystem::path& file);

  // The grid's rows 1-256 as typed, and writing them (not an edit the person can undo).
  Cells gridCells() const;
  void setGridCells(const Cells& cells);

  // Every change of the grid, to undo and redo one action at a time.
  QUndoStack* undoStack() const { return undo_; }
  // True when the grid differs from the table last opened or saved (at start, INIT's).
  bool tableChanged() const;
  // Before the table is set aside (closing, OPEN): asks whether to save a changed table;
  // false when the person cancelled or the save did not happen.
  bool maySetAsideTable(const char* question);

  // For tests: waits until a running MAKE is done and shown.
  bool waitUntilIdle() { return worker_.waitUntilIdle(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void makeControls();
  void makeMenus();
  // Before an action: the flow takes the boxes as they are now.
  void readBoxes();
  void showMade(const MakeResult& result);
  // The grid's cells as one undoable action named `what`, when they differ from those shown.
  void editTable(const Cells& cells, const QString& what);
  void cellTyped(QTableWidgetItem* item);
  void showOpened(const Cells& before);
  void showSwatches(int row);
  void placeGrid();
  void playAnimations(const PreviewResult& result);
  void showAnimations(const Table& table, bool anew);
  void tableEdited();

  friend class TableEdit;

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  ui::Worker worker_;              // runs MAKE; the flow talks through its Ui
  Scalepaint flow_;
  MakeResult makeResult_;          // the last MAKE's, written by the worker
  PreviewSurface* surface_ = nullptr;
  PaletteGrid* grid_ = nullptr;
  ui::ChoosingPathLabel* source_ = nullptr;
  QLineEdit* destination_ = nullptr;
  QLabel* status_ = nullptr;  // what the last MAKE or PreView did
  QUndoStack* undo_ = nullptr;
  QWidget* playerWindow_ = nullptr;        // PreView's animations, beside the window
  QLabel* playerCaption_ = nullptr;
  ui::AnimationPlayer* player_ = nullptr;
  std::vector<fishfile::Animation> animations_;  // the first fish's, as PreView last read them
  Cells shown_;                // what the grid shows, as last taken in
  Cells saved_;                // the table last opened or saved
  bool showing_ = false;       // the window itself is writing the grid
  ui::RecentFiles recent_;    // palette files and sources
};

}  // namespace scalepaint
