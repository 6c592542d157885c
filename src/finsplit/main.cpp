// finsplit: shows a fish file and cuts it into its frame bitmaps.
#include <QCommandLineOption>
#include <filesystem>
#include <system_error>

#include "finsplit/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("Start showing the fish file FILE, ready to cut."),
                                      QStringLiteral("FILE"));
  ui::WindowApp app;
  app.options = {fileOption};
  app.fileOption = QStringLiteral("file");
  app.makeWindow = [&](const QCommandLineParser& options) -> std::unique_ptr<QWidget> {
    auto window = std::make_unique<finsplit::Window>(ui::startFolder());
    if (options.isSet(fileOption)) {
      std::error_code ec;
      window->showFish(std::filesystem::absolute(ui::toPath(options.value(fileOption)), ec));
    }
    return window;
  };
  return ui::runWindowApp(argc, argv, app);
}
