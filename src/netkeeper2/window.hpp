#pragma once
// netkeeper2's windows: the main window (file lists, "Start", "detail", a status bar with the
// clicked file's length and date and what the last write did), the fish-information dialog
// and the grid window. Both dialogs come back after a No to replacing a file.
#include <QDialog>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "netkeeper2/netkeeper2.hpp"
#include "ui/qt/suite_menus.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableWidget;
class QTableWidgetItem;

namespace ui {
class FileBrowser;
}  // namespace ui

namespace netkeeper2 {

inline constexpr const char* kVersion = "1.0.0";

// Twips as the windows' sizes are given, at 15 twips a pixel.
constexpr int twips(int value) { return value / 15; }

// The fish-information dialog: a tick box for each value, the value shown only when ticked.
class FishInfoDialog : public QDialog {
  Q_OBJECT

 public:
  FishInfoDialog(const QString& kindName, const QString& fileName, QWidget* parent = nullptr);
  // The line at the top saying which fish are edited: "Edits all 6 fish in lake.wtk …".
  void setScope(const QString& text);
  // The boxes as typed.
  FishBoxes boxes() const;

 private:
  struct Row {
    QCheckBox* tick;
    QLineEdit* box;
  };

  Row age_, health_, color_, courage_, power_, fullness_;
  QCheckBox* sex_;
  QRadioButton* male_;
  QRadioButton* female_;
  QLineEdit* fileName_;
  QLabel* scope_;
};

// The grid window: one row a fish or egg; "OK" hands the cells back for writing.
class GridWindow : public QDialog {
  Q_OBJECT

 public:
  GridWindow(const std::vector<GridRow>& rows, const QString& name, QWidget* parent = nullptr);
  std::vector<GridCells> cells() const;
  QString fileName() const;
  QTableWidget* grid() const { return grid_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void toggleSex(int row, int column);
  void markReading(QTableWidgetItem* item);

  QTableWidget* grid_;
  QLabel* fileLabel_;
  QLineEdit* fileName_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

class Window : public QWidget {
  Q_OBJECT

 public:
  // The window with its own message boxes, opening `folder`.
  explicit Window(const std::filesystem::path& folder, QWidget* parent = nullptr);
  // The window talking through another Ui, which must outlive it (tests script one).
  Window(ui::Ui& ui, const std::filesystem::path& folder, QWidget* parent = nullptr);
  ~Window() override;

  ui::FileBrowser& browser() { return *browser_; }
  // Selects a file of the open folder as a click would; false when it is not listed.
  bool selectFile(const QString& name);
  // File › Recent: the file's folder in the lists, the file selected.
  void openRecent(const ui::RecentFile& file);
  // "Start": the fish-information dialog, then the edits on OK.
  void start();
  // "detail": the grid window, then the write-back on OK.
  void detail();

 private:
  void makeControls(const std::filesystem::path& folder);
  void showFileFacts(const QString& path);
  // After a write: the status line, the file list and the selected file's facts anew.
  void showWritten();
  std::optional<OpenedTank> openSelected();

  std::unique_ptr<ui::Ui> ownUi_;  // null when the Ui was handed in
  Netkeeper2 tool_;
  ui::FileBrowser* browser_;
  QStatusBar* status_;
  QLabel* length_;
  QLabel* stamp_;
  QLabel* written_;
  ui::RecentFiles recent_;
};

}  // namespace netkeeper2
