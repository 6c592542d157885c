// finwright: builds a fish file from an icon, a folder of frame bitmaps, an ID and five texts.
#include <QCommandLineOption>
#include <filesystem>
#include <system_error>

#include "finwright/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption iconOption(QStringLiteral("icon"), QStringLiteral("Start with FILE as the icon."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Start with DIR as the image folder."),
                                        QStringLiteral("DIR"));
  return ui::runWindowApp(argc, argv, {iconOption, framesOption}, [&](const QCommandLineParser& options) {
    std::error_code ec;
    auto window = std::make_unique<finwright::Window>(std::filesystem::current_path(ec));
    if (options.isSet(framesOption))
      window->setImageFolder(std::filesystem::absolute(ui::toPath(options.value(framesOption)), ec));
    if (options.isSet(iconOption))
      window->chooseIcon(std::filesystem::absolute(ui::toPath(options.value(iconOption)), ec));
    return window;
  });
}
