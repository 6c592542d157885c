// gritwright: builds a gravel file from a surface bitmap, an aspect bitmap, Height and Length.
#include <QCommandLineOption>
#include <filesystem>
#include <system_error>

#include "gritwright/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption surfaceOption(QStringLiteral("surface"), QStringLiteral("Start with FILE as the surface bitmap."),
                                         QStringLiteral("FILE"));
  const QCommandLineOption aspectOption(QStringLiteral("aspect"), QStringLiteral("Start with FILE as the aspect bitmap."),
                                        QStringLiteral("FILE"));
  return ui::runWindowApp(argc, argv, {surfaceOption, aspectOption}, [&](const QCommandLineParser& options) {
    std::error_code ec;
    auto window = std::make_unique<gritwright::Window>(ui::startFolder());
    if (options.isSet(surfaceOption))
      window->setBitmap(gritwright::Side::Surface, std::filesystem::absolute(ui::toPath(options.value(surfaceOption)), ec));
    if (options.isSet(aspectOption))
      window->setBitmap(gritwright::Side::Aspect, std::filesystem::absolute(ui::toPath(options.value(aspectOption)), ec));
    return window;
  });
}
