// finwright: builds a fish file from an icon, a folder of frame bitmaps, an ID and five texts.
#include <QCommandLineOption>
#include <filesystem>
#include <system_error>

#include "finwright/preview_window.hpp"
#include "finwright/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption iconOption(QStringLiteral("icon"), QStringLiteral("Start with FILE as the icon."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Start with DIR as the image folder."),
                                        QStringLiteral("DIR"));
  const QCommandLineOption previewOption(QStringLiteral("preview"), QStringLiteral("Open the Preview of the image folder at start."));
  const QCommandLineOption previewShotOption(
      QStringLiteral("preview-screenshot"),
      QStringLiteral("With --frames: save a picture of the Preview of the image folder as FILE.png, then exit."),
      QStringLiteral("FILE.png"));
  ui::WindowApp app;
  app.options = {iconOption, framesOption, previewOption, previewShotOption};
  app.looking = {previewShotOption.names().first()};
  app.makeWindow = [&](const QCommandLineParser& options) -> std::unique_ptr<QWidget> {
    std::error_code ec;
    auto window = std::make_unique<finwright::Window>(std::filesystem::current_path(ec));
    if (options.isSet(framesOption))
      window->setImageFolder(std::filesystem::absolute(ui::toPath(options.value(framesOption)), ec));
    if (options.isSet(iconOption))
      window->chooseIcon(std::filesystem::absolute(ui::toPath(options.value(iconOption)), ec));
    if (options.isSet(previewOption) || options.isSet(previewShotOption)) window->preview();
    if (options.isSet(previewShotOption)) {
      finwright::Window* raw = window.get();
      ui::screenshotLater(
          raw, 800, options.value(previewShotOption),
          [raw]() -> QWidget* { return raw->previewWindow() && raw->previewWindow()->isVisible() ? raw->previewWindow() : nullptr; },
          QStringLiteral("The Preview is not shown: give --frames with the image folder."));
    }
    return window;
  };
  return ui::runWindowApp(argc, argv, app);
}
