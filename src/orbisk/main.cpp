// orbisk: finds the bitmaps, wave sounds or MIDI files embedded in any file, lists them,
// previews them and saves the chosen ones.
#include <QApplication>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "orbisk/preview_window.hpp"
#include "orbisk/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

namespace {

// Saves a picture of the preview window once it has settled, and ends the program.
void screenshotPreview(orbisk::Window* window, const QString& file) {
  QTimer::singleShot(1500, window, [window, file] {
    orbisk::PreviewWindow& preview = window->previewWindow();
    if (!preview.isVisible()) {
      std::fprintf(stderr, "The preview is not shown: give --find and --preview N for a resource that is listed.\n");
      QApplication::exit(1);
      return;
    }
    const QPixmap picture = preview.grab();
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && picture.save(&out, "PNG") && out.commit()) {
      QApplication::exit(0);
    } else {
      std::fprintf(stderr, "Cannot write the screenshot %s.\n", QFileInfo(file).absoluteFilePath().toUtf8().constData());
      QApplication::exit(1);
    }
  });
}

}  // namespace

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
  QCoreApplication::setApplicationName(QString::fromUtf8(orbisk::kProgramName));  // the message boxes' title
  return ui::runWindowApp(
      argc, argv, {fileOption, kindOption, findOption, previewOption, previewShotOption},
      [&](const QCommandLineParser& options) {
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
        if (options.isSet(previewShotOption)) screenshotPreview(window.get(), options.value(previewShotOption));
        return window;
      });
}
