// orbisk: finds the bitmaps, wave sounds or MIDI files embedded in any file, lists them and
// saves the chosen ones.
#include <QCommandLineOption>
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <system_error>

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
  QCoreApplication::setApplicationName(QString::fromUtf8(orbisk::kProgramName));  // the message boxes' title
  return ui::runWindowApp(argc, argv, {fileOption, kindOption, findOption}, [&](const QCommandLineParser& options) {
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
    if (options.isSet(findOption)) window->find();
    return window;
  });
}
