// netkeeper2: edits the fish of the extended edition's tanks, one by one in a grid or all at once.
#include <QApplication>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "netkeeper2/window.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/single_instance.hpp"
#include "ui/qt/window_app.hpp"

namespace {

// Saves a picture of the modal window open at the time, closes it and ends the program.
void screenshotModal(QWidget* window, const QString& file) {
  QTimer::singleShot(1200, window, [file] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      std::fprintf(stderr, "No window to take a picture of: give --file with a tank that has fish.\n");
      QApplication::exit(1);
      return;
    }
    const QPixmap picture = modal->grab();
    QSaveFile out(file);
    const bool saved = out.open(QIODevice::WriteOnly) && picture.save(&out, "PNG") && out.commit();
    if (!saved) std::fprintf(stderr, "Cannot write the screenshot %s.\n", QFileInfo(file).absoluteFilePath().toUtf8().constData());
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    QApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char** argv) {
  const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("Start in FILE's folder with FILE selected."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption startShot(QStringLiteral("start-screenshot"),
                                     QStringLiteral("With --file: press Start, save a picture of the dialog and exit."),
                                     QStringLiteral("PNG"));
  const QCommandLineOption detailShot(QStringLiteral("detail-screenshot"),
                                      QStringLiteral("With --file: press detail, save a picture of the grid and exit."),
                                      QStringLiteral("PNG"));
  QCoreApplication::setApplicationName(QStringLiteral("NetKeeperII"));  // the message boxes' title
  static std::unique_ptr<ui::SingleInstance> guard;
  return ui::runWindowApp(argc, argv, {fileOption, startShot, detailShot}, [&](const QCommandLineParser& options) -> std::unique_ptr<QWidget> {
    const bool picture = options.isSet(QStringLiteral("screenshot")) || options.isSet(QStringLiteral("describe")) ||
                         options.isSet(startShot) || options.isSet(detailShot);
    if (!picture) {
      guard = std::make_unique<ui::SingleInstance>(QStringLiteral("netkeeper2"));
      if (!guard->acquired()) {
        QMessageBox::warning(nullptr, QStringLiteral("ロードエラー"), QStringLiteral("This application has already been open"));
        return nullptr;
      }
    }
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    const QString file = options.value(fileOption);
    if (!file.isEmpty()) folder = ui::toPath(QFileInfo(file).absolutePath());
    auto window = std::make_unique<netkeeper2::Window>(folder);
    if (!file.isEmpty()) window->selectFile(QFileInfo(file).fileName());
    auto* raw = window.get();
    if (options.isSet(startShot) || options.isSet(detailShot)) {
      screenshotModal(raw, options.isSet(startShot) ? options.value(startShot) : options.value(detailShot));
      const bool detail = options.isSet(detailShot);
      QTimer::singleShot(300, raw, [raw, detail] { detail ? raw->detail() : raw->start(); });
    }
    return window;
  });
}
