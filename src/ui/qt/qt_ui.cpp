#include "ui/qt/qt_ui.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStringList>
#include <algorithm>
#include <climits>

#include "ui/qt/folder_dialog.hpp"
#include "ui/qt/language_switch.hpp"

namespace ui {

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString fromPath(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

QImage previewPicture(const QString& path) {
  std::error_code ec;
  if (path.isEmpty() || !std::filesystem::is_regular_file(toPath(path), ec)) return {};
  return QImage(path);
}

QString qtFileFilter(std::string_view filter) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    // Windows lists several patterns as "*.bmp;*.dib", Qt as "*.bmp *.dib".
    QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    patterns = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    if (patterns.isEmpty()) {
      if (!description.isEmpty()) out << description;
      continue;
    }
    // Qt takes the patterns from the description's last parentheses, so they must be there.
    QString shown = description;
    shown.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (shown.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
      out << shown;
    else if (description.isEmpty() || description == patterns)
      out << patterns;
    else
      out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

QString withFilterExtension(const QString& file, const QString& qtFilter) {
  if (file.isEmpty()) return file;
  const QString name = QFileInfo(file).fileName();
  if (name.isEmpty() || name.contains(QLatin1Char('.'))) return file;
  // The patterns sit in the filter's last parentheses; the first one names the extension.
  const qsizetype open = qtFilter.lastIndexOf(QLatin1Char('('));
  const qsizetype close = qtFilter.lastIndexOf(QLatin1Char(')'));
  const QString patterns = open >= 0 && close > open ? qtFilter.mid(open + 1, close - open - 1) : qtFilter;
  const QString first = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
  if (!first.startsWith(QStringLiteral("*.")) || first.size() < 3) return file;
  const QString extension = first.mid(1);
  if (extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?'))) return file;
  return file + extension;
}

namespace {

// The flows' texts are as designed; the boxes and dialogs show them in the chosen language.
QString shown(std::string_view text) { return translatedText(toQString(text)); }

QString boxTitle(const std::string& title) {
  return title.empty() ? translatedText(QApplication::applicationName()) : shown(title);
}

// A modal box over busy work shows the normal pointer while it waits for the person.
class NormalPointer {
 public:
  NormalPointer() : pushed_(QApplication::overrideCursor() != nullptr) {
    if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~NormalPointer() {
    if (pushed_) QApplication::restoreOverrideCursor();
  }
  NormalPointer(const NormalPointer&) = delete;
  NormalPointer& operator=(const NormalPointer&) = delete;

 private:
  bool pushed_;
};

QString startFolder(const FileDialogSpec& spec) {
  QString folder = spec.startFolder.empty() ? QDir::currentPath() : fromPath(spec.startFolder);
  if (!spec.defaultName.empty()) folder = QDir(folder).filePath(toQString(spec.defaultName));
  return folder;
}

std::optional<std::filesystem::path> chosen(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  return toPath(file);
}

int clampToInt(std::uint64_t value) { return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX)); }

}  // namespace

QtUi::~QtUi() {
  closeProgress();
  for (; busyDepth_ > 0; --busyDepth_) QApplication::restoreOverrideCursor();
}

void QtUi::message(std::string_view text, const MessageStyle& style) {
  NormalPointer pointer;
  QMessageBox box(QMessageBox::NoIcon, boxTitle(style.title), shown(text), QMessageBox::Ok, parent_);
  if (!style.detail.empty()) box.setInformativeText(shown(style.detail));
  box.exec();
}

Answer QtUi::ask(std::string_view text, Buttons buttons) {
  NormalPointer pointer;
  QMessageBox::StandardButtons choices = QMessageBox::Yes | QMessageBox::No;
  if (buttons == Buttons::YesNoCancel) choices |= QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, boxTitle({}), shown(text), choices, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return Answer::No;
  }
}

std::optional<std::filesystem::path> QtUi::openFile(const FileDialogSpec& spec) {
  NormalPointer pointer;
  return chosen(QFileDialog::getOpenFileName(parent_, shown(spec.title), startFolder(spec), qtFileFilter(translated(spec.filter))));
}

std::optional<std::filesystem::path> QtUi::saveFile(const FileDialogSpec& spec) {
  NormalPointer pointer;
  // The flows ask their own overwrite question where they have one, about the name with its
  // extension.
  QString filter;
  const QString file = QFileDialog::getSaveFileName(parent_, shown(spec.title), startFolder(spec),
                                                    qtFileFilter(translated(spec.filter)), &filter, QFileDialog::DontConfirmOverwrite);
  return chosen(withFilterExtension(file, filter));
}

std::optional<std::filesystem::path> QtUi::chooseFolder(const std::filesystem::path& start) {
  NormalPointer pointer;
  return chooseFolderDialog(parent_, start);
}

void QtUi::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    return;
  }
  if (busyDepth_ == 0) return;  // unbalanced: never take away a pointer someone else set
  if (--busyDepth_ == 0) {
    closeProgress();
    QApplication::restoreOverrideCursor();
  }
}

void QtUi::progress(std::uint64_t done, std::uint64_t total) {
  if (total == 0) return;
  if (!progress_) {
    progress_ = new QProgressDialog(parent_);
    progress_->setWindowTitle(boxTitle({}));
    progress_->setLabelText(translatedText("Working…"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setCancelButton(nullptr);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(700);
    progress_->setRange(0, clampToInt(total));
    progress_->setValue(0);
  }
  progress_->setMaximum(clampToInt(total));
  progress_->setValue(clampToInt(std::min(done, total)));
}

bool QtUi::stopRequested() {
  if (!progress_) return false;
  // The work listens, so offering Stop makes sense now.
  if (!progress_->findChild<QAbstractButton*>()) progress_->setCancelButtonText(translatedText("Stop"));
  return progress_->wasCanceled();
}

void QtUi::closeProgress() {
  if (!progress_) return;
  // Possibly called from inside the progress window's own event processing (work on a worker
  // thread ends while it updates): it goes once that is over.
  QProgressDialog* closing = progress_;
  progress_ = nullptr;
  closing->hide();
  closing->deleteLater();
}

}  // namespace ui
