#pragma once
// The windows' Ui: message boxes, Yes/No questions, file dialogs, the folder dialog and the busy
// pointer, all modal to one parent window.
#include <QImage>
#include <QPointer>
#include <QString>

#include "ui/ui.hpp"

class QProgressDialog;
class QWidget;

namespace ui {

// Paths and texts between the flows (std::filesystem::path, UTF-8) and Qt.
QString toQString(std::string_view utf8);
QString fromPath(const std::filesystem::path& path);
// Native separators, so the path reads as the person would type it.
std::filesystem::path toPath(const QString& path);
// The picture in a plain file, for a preview; a null image for anything else (a pipe is never
// opened: reading it could keep the window waiting for ever).
QImage previewPicture(const QString& path);

// "Desc (*.x)|*.x|Desc2|*.y;*.z" → "Desc (*.x);;Desc2 (*.y *.z)". A description that already
// ends with its patterns in parentheses is kept as it is.
QString qtFileFilter(std::string_view filter);

// A save name as typed, with the extension of the chosen Qt filter ("Fish (*.fsh)") added when
// the name has none: "goldie" → "goldie.fsh". A name with a dot in it, and filters naming no
// single extension ("*", "*.*"), leave the name as it is.
QString withFilterExtension(const QString& file, const QString& qtFilter);

class QtUi : public Ui {
 public:
  explicit QtUi(QWidget* parent) : parent_(parent) {}
  ~QtUi() override;
  QtUi(const QtUi&) = delete;
  QtUi& operator=(const QtUi&) = delete;

  void message(std::string_view text, const MessageStyle& style = {}) override;
  Answer ask(std::string_view text, Buttons buttons) override;
  std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override;
  std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override;
  std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) override;
  // Nested calls are counted; only the outermost pair sets and restores the pointer.
  void setBusy(bool busy) override;
  // A progress window appears when long work has run for a moment; it closes when the work's
  // busy pointer goes away. It offers Stop once the work asks stopRequested().
  void progress(std::uint64_t done, std::uint64_t total) override;
  bool stopRequested() override;

 private:
  void closeProgress();

  QWidget* parent_;
  int busyDepth_ = 0;
  QPointer<QProgressDialog> progress_;
};

}  // namespace ui
