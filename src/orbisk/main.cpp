// orbisk: finds the bitmaps, wave sounds or MIDI files embedded in any file, lists them,
// previews them and saves the chosen ones.
#include <QCommandLineOption>
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "orbisk/preview_window.hpp"
#include "orbisk/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("Start with FILE in the file name box."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption kindOption(QStringLiteral("kind"),
                                      QStringLiteral("Start with KIND chosen: bitmap, wave or midi."),
                                      QStringLiteral("KIND"));
  const QCommandLineOption findOption(QStringLiteral("find"), QStringLiteral("Find the resources at start."));
  const QCommandLineOption previewOption(
      QStringLiteral("preview"), QStringLiteral("With --find: preview the resource listed at index N (from 0)."),
      QStringLiteral("N"));
  const QCommandLineOption previewShotOption(
      QStringLiteral("preview-screenshot"),
      QStringLiteral("With --find and --preview: save a picture of the preview window as a PNG file and exit."),
      QStringLiteral("FILE"));
  ui::WindowApp app;
  app.options = {fileOption, kindOption, findOption, previewOption, previewShotOption};
  app.boxTitle = QString::fromUtf8(orbisk::kProgramName);
  app.makeWindow = [&](const QCommandLineParser& options) {
    std::error_code ec;
    const std::filesystem::path programFolder = ui::toPath(QCoreApplication::applicationDirPath());
    auto window = std::make_unique<orbisk::Window>(programFolder);
    if (options.isSet(fileOption)) {
      const std::filesystem::path file = std::filesystem::absolute(ui::toPath(options.value(fileOption)), ec);
      window->setFileName(ui::fromPath(file));
    }
    if (options.isSet(kindOption)) {
      const QString word = options.value(kindOption);
      bool known = false;
      for (orbisk::Kind kind : {orbisk::Kind::Bitmap, orbisk::Kind::Wave, orbisk::Kind::Midi}) {
        if (word.compare(ui::toQString(orbisk::kindWord(kind)), Qt::CaseInsensitive) != 0) continue;
        window->setKind(kind);
        known = true;
      }
      if (!known) std::fprintf(stderr, "Unknown kind \"%s\": give bitmap, wave or midi.\n", word.toUtf8().constData());
    }
    if (options.isSet(previewOption)) {
      bool number = false;
      const qulonglong index = options.value(previewOption).toULongLong(&number);
      if (number)
        window->previewAfterFind(static_cast<std::size_t>(index));
      else
        std::fprintf(stderr, "--preview takes the index of a listed resource, from 0.\n");
    }
    if (options.isSet(findOption)) window->find();
    if (options.isSet(previewShotOption)) {
      orbisk::Window* raw = window.get();
      // Taken once the scan has ended and the preview has settled.
      ui::screenshotLater(
          raw, 1500, options.value(previewShotOption),
          [raw]() -> QWidget* { return raw->previewWindow().isVisible() ? &raw->previewWindow() : nullptr; },
          QStringLiteral("The preview is not shown: give --find and --preview N for a resource that is listed."));
    }
    return window;
  };
  return ui::runWindowApp(argc, argv, app);
}
