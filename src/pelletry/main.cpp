// pelletry: builds a food file from a name, a memo, an ID, a food kind, a picture and up to 25
// animation frames.
#include <QApplication>
#include <QCommandLineOption>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "pelletry/preview_window.hpp"
#include "pelletry/window.hpp"
#include <QUndoStack>
#include "foodfile/foodfile.hpp"
#include "ui/number_box.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/window_app.hpp"

int main(int argc, char** argv) {
  const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("Start with TEXT in the Food Name box."), QStringLiteral("TEXT"));
  const QCommandLineOption memoOption(QStringLiteral("memo"), QStringLiteral("Start with TEXT in the Memo box."), QStringLiteral("TEXT"));
  const QCommandLineOption idOption(QStringLiteral("id"), QStringLiteral("Start with TEXT in the ID box."), QStringLiteral("TEXT"));
  const QCommandLineOption kindOption(QStringLiteral("kind"), QStringLiteral("Start with food kind N (0-12)."), QStringLiteral("N"));
  const QCommandLineOption pictureOption(QStringLiteral("picture"), QStringLiteral("Start with FILE as the food picture."),
                                         QStringLiteral("FILE"));
  const QCommandLineOption frameOption(QStringLiteral("frame"),
                                       QStringLiteral("Add FILE to the frame strip (repeat for more frames, up to 25)."),
                                       QStringLiteral("FILE"));
  const QCommandLineOption previewOption(QStringLiteral("preview"),
                                         QStringLiteral("Show the preview of the frames (with --screenshot: a picture of it)."));
  return ui::runWindowApp(
      argc, argv, {nameOption, memoOption, idOption, kindOption, pictureOption, frameOption, previewOption},
      [&](const QCommandLineParser& options) -> std::unique_ptr<QWidget> {
        // Message boxes carry the program's title.
        QApplication::setApplicationName(QString::fromUtf8(pelletry::kCaption));
        std::error_code ec;
        auto window = std::make_unique<pelletry::Window>();
        auto& flow = window->flow();
        if (options.isSet(nameOption)) flow.boxes.name = options.value(nameOption).toStdString();
        if (options.isSet(memoOption)) flow.boxes.memo = options.value(memoOption).toStdString();
        if (options.isSet(idOption)) flow.boxes.id = options.value(idOption).toStdString();
        // Read as a number box and held to the scroll bar's range: a number too large is the
        // largest kind, never 0.
        if (options.isSet(kindOption))
          flow.boxes.kind = static_cast<int>(std::clamp(std::nearbyint(ui::leadingNumber(options.value(kindOption).toStdString())),
                                                        0.0, static_cast<double>(foodfile::kMaxKind)));
        window->showBoxes();
        if (options.isSet(pictureOption))
          window->setPicture(std::filesystem::absolute(ui::toPath(options.value(pictureOption)), ec));
        for (const QString& frame : options.values(frameOption))
          window->addFrame(std::filesystem::absolute(ui::toPath(frame), ec));
        window->undoStack()->clear();  // what the window starts with is not undone
        if (!options.isSet(previewOption)) return window;
        // The preview on its own; the main window goes with it, unseen.
        window->show();
        auto preview = window->makePreview(nullptr);
        if (!preview) return window;
        window->hide();
        pelletry::Window* main = window.release();
        main->setParent(preview.get(), Qt::Window);
        // Closing the preview brings the main window up.
        QObject::connect(preview.get(), &QDialog::finished, main, &QWidget::show);
        return preview;
      });
}
