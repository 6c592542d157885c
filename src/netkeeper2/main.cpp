// netkeeper2: edits the fish of the extended edition's tanks, one by one in a grid or all at once.
#include <QCommandLineOption>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "netkeeper2/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("Start in FILE's folder with FILE selected."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption startShot(QStringLiteral("start-screenshot"),
                                     QStringLiteral("With --file: press Start, save a picture of the dialog and exit."),
                                     QStringLiteral("PNG"));
  const QCommandLineOption detailShot(QStringLiteral("detail-screenshot"),
                                      QStringLiteral("With --file: press detail, save a picture of the grid and exit."),
                                      QStringLiteral("PNG"));
  ui::WindowApp app;
  app.options = {fileOption, startShot, detailShot};
  app.boxTitle = QStringLiteral("NetKeeperII");
  app.singleInstance = QStringLiteral("netkeeper2");
  app.looking = {startShot.names().first(), detailShot.names().first()};
  app.makeWindow = [&](const QCommandLineParser& options) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    const QString file = options.value(fileOption);
    if (!file.isEmpty()) folder = ui::toPath(QFileInfo(file).absolutePath());
    auto window = std::make_unique<netkeeper2::Window>(folder);
    if (!file.isEmpty()) window->selectFile(QFileInfo(file).fileName());
    auto* raw = window.get();
    const QString whyNone = QStringLiteral("No window to take a picture of: give --file with a tank that has fish.");
    if (options.isSet(startShot) || options.isSet(detailShot)) {
      const bool detail = options.isSet(detailShot);
      ui::pressAndScreenshotModal(raw, [raw, detail] { detail ? raw->detail() : raw->start(); },
                                  options.value(detail && !options.isSet(startShot) ? detailShot : startShot), whyNone);
    }
    return window;
  };
  app.fileOption = QStringLiteral("file");
  return ui::runWindowApp(argc, argv, app);
}
