// fernwright: builds a plant file from its ID, three names, an icon, a top and a front view and
// a description text.
#include <QCommandLineOption>
#include <array>
#include <filesystem>
#include <system_error>

#include "fernwright/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  using fernwright::Input;
  const std::array<QCommandLineOption, fernwright::kInputCount> fileOptions = {
      QCommandLineOption(QStringLiteral("icon"), QStringLiteral("Start with FILE as the icon bitmap."), QStringLiteral("FILE")),
      QCommandLineOption(QStringLiteral("top"), QStringLiteral("Start with FILE as the top-view bitmap."), QStringLiteral("FILE")),
      QCommandLineOption(QStringLiteral("front"), QStringLiteral("Start with FILE as the front-view bitmap."), QStringLiteral("FILE")),
      QCommandLineOption(QStringLiteral("description"), QStringLiteral("Start with FILE as the description text."),
                         QStringLiteral("FILE"))};
  return ui::runWindowApp(argc, argv, QList<QCommandLineOption>(fileOptions.begin(), fileOptions.end()),
                          [&](const QCommandLineParser& options) {
                            auto window = std::make_unique<fernwright::Window>();
                            std::error_code ec;
                            for (std::size_t i = 0; i < fileOptions.size(); ++i)
                              if (options.isSet(fileOptions[i]))
                                window->setPath(static_cast<Input>(i),
                                                std::filesystem::absolute(ui::toPath(options.value(fileOptions[i])), ec));
                            return window;
                          });
}
