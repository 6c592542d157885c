// gritpress: checks a top and a side bitmap and builds a gravel file from them.
#include <QCommandLineOption>
#include <filesystem>
#include <system_error>

#include "gritpress/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption topOption(QStringLiteral("top"), QStringLiteral("Start with FILE as the top (上面) bitmap."),
                                     QStringLiteral("FILE"));
  const QCommandLineOption sideOption(QStringLiteral("side"), QStringLiteral("Start with FILE as the side (側面) bitmap."),
                                      QStringLiteral("FILE"));
  return ui::runWindowApp(argc, argv, {topOption, sideOption}, [&](const QCommandLineParser& options) {
    std::error_code ec;
    auto window = std::make_unique<gritpress::Window>();
    if (options.isSet(topOption))
      window->chooseInput(gritpress::Side::Top, std::filesystem::absolute(ui::toPath(options.value(topOption)), ec));
    if (options.isSet(sideOption))
      window->chooseInput(gritpress::Side::Side, std::filesystem::absolute(ui::toPath(options.value(sideOption)), ec));
    return window;
  });
}
