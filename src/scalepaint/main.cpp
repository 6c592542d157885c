// scalepaint: recolours every fish animation of a fish or tank file through a palette table.
#include <QCommandLineOption>
#include <QUndoStack>
#include <filesystem>
#include <system_error>

#include "scalepaint/window.hpp"
#include "ui/qt/animation_player.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

#ifdef SCALEPAINT_BUILD_045
constexpr const scalepaint::Edition& kEdition = scalepaint::kEdition045;
#else
constexpr const scalepaint::Edition& kEdition = scalepaint::kEdition060;
#endif

int main(int argc, char** argv) {
  const QCommandLineOption sourceOption(QStringLiteral("source"), QStringLiteral("Start with FILE as the source."),
                                        QStringLiteral("FILE"));
  const QCommandLineOption paletteOption(QStringLiteral("palette"),
                                         QStringLiteral("Start with the palette file FILE.dat in the grid."),
                                         QStringLiteral("FILE.dat"));
  const QCommandLineOption previewOption(QStringLiteral("preview"), QStringLiteral("Draw the preview at start."));
  const QCommandLineOption animationsShotOption(
      QStringLiteral("animations-screenshot"),
      QStringLiteral("With --preview: save a picture of the window playing the first fish's animations as FILE.png, then exit."),
      QStringLiteral("FILE.png"));
  ui::WindowApp app;
  app.options = {sourceOption, paletteOption, previewOption, animationsShotOption};
  app.looking = {animationsShotOption.names().first()};
  app.boxTitle = QString::fromUtf8(scalepaint::kProgramName);
  app.makeWindow = [&](const QCommandLineParser& options) {
    std::error_code ec;
    auto window = std::make_unique<scalepaint::Window>(ui::startFolder(), kEdition);
    if (options.isSet(sourceOption))
      window->setSource(std::filesystem::absolute(ui::toPath(options.value(sourceOption)), ec));
    if (options.isSet(paletteOption)) window->openPaletteFile(ui::toPath(options.value(paletteOption)));
    window->undoStack()->clear();  // what the window starts with is not undone
    if (options.isSet(previewOption) && kEdition.preview) window->preview();
    if (options.isSet(animationsShotOption)) {
      scalepaint::Window* raw = window.get();
      ui::screenshotLater(
          raw, 800, options.value(animationsShotOption),
          [raw]() -> QWidget* { return raw->animationPlayer() ? raw->animationPlayer()->window() : nullptr; },
          QStringLiteral("No animations are shown: give --preview and a source with a fish."));
    }
    return window;
  };
  app.fileOption = QStringLiteral("source");
  return ui::runWindowApp(argc, argv, app);
}
