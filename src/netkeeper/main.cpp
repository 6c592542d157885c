// netkeeper: edits the fish of a tank or fish file (their values and genes) and lists their
// genes.
#include <QAbstractButton>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "netkeeper/window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/single_instance.hpp"
#include "ui/qt/window_app.hpp"

namespace {

// Ticks the named boxes of a dialog shown for a picture: captions for Fish Infomation
// ("Age,Sex"), gene numbers for Splicing ("1,8").
void tick(QWidget& dialog, const QString& list, bool genes) {
  for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QString name = genes ? QStringLiteral("chkGene_%1").arg(item.trimmed().toInt() - 1) : QStringLiteral("chk") + item.trimmed();
    if (auto* box = dialog.findChild<QAbstractButton*>(name)) box->setChecked(true);
    else std::fprintf(stderr, "No box \"%s\" to tick.\n", item.toUtf8().constData());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("Open FOLDER in the folder list."),
                                        QStringLiteral("FOLDER"));
  const QCommandLineOption fileOption(QStringLiteral("file"),
                                      QStringLiteral("Open FILE's folder and select FILE in the file list."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption tankOption(QStringLiteral("tank"), QStringLiteral("Start in Tank mode."));
  const QCommandLineOption showOption(
      QStringLiteral("show"),
      QStringLiteral("Show WINDOW on its own for FILE instead of the main window, as Start, Splicing, Gene or Option "
                     "would: fish, splicing, genes, water (Tank mode's Start) or option (with --screenshot, a picture of it)."),
      QStringLiteral("WINDOW"));
  const QCommandLineOption tickOption(
      QStringLiteral("tick"),
      QStringLiteral("With --show fish or splicing: tick these boxes (\"Age,Sex\", or gene numbers \"1,8\")."),
      QStringLiteral("LIST"));
  QCoreApplication::setApplicationName(QString::fromUtf8(netkeeper::kCaption));  // the message boxes' title

  std::unique_ptr<ui::SingleInstance> guard;
  std::unique_ptr<netkeeper::Window> mainWindow;  // kept while --show shows one of its windows
  return ui::runWindowApp(
      argc, argv, {folderOption, fileOption, tankOption, showOption, tickOption}, [&](const QCommandLineParser& options) {
        std::filesystem::path folder;
        if (options.isSet(folderOption)) folder = ui::toPath(options.value(folderOption));
        QString selected;
        if (options.isSet(fileOption)) {
          const QFileInfo file(options.value(fileOption));
          folder = ui::toPath(file.absolutePath());
          selected = file.fileName();
        }
        auto window = std::make_unique<netkeeper::Window>(folder);
        if (options.isSet(tankOption)) window->setTankMode(true);
        if (!selected.isEmpty() && !window->selectFile(selected))
          std::fprintf(stderr, "%s is not in the file list.\n", selected.toUtf8().constData());

        // Pictures and descriptions never meet a running copy: only a real start is guarded.
        const bool looking = options.isSet(QStringLiteral("screenshot")) || options.isSet(QStringLiteral("describe"));
        if (!looking) {
          guard = std::make_unique<ui::SingleInstance>(QStringLiteral("netkeeper"));
          if (!guard->acquired()) {
            netkeeper::showAlreadyOpen(nullptr);
            return std::unique_ptr<QWidget>();  // the program ends
          }
        }

        if (!options.isSet(showOption)) return std::unique_ptr<QWidget>(std::move(window));
        const QString which = options.value(showOption);
        std::unique_ptr<QWidget> shown;
        if (which == QLatin1String("fish")) {
          shown = window->fishDialog();
        } else if (which == QLatin1String("splicing")) {
          shown = window->splicingDialog();
        } else if (which == QLatin1String("water")) {
          shown = window->waterDialog();
        } else if (which == QLatin1String("option")) {
          shown = window->optionDialog();
        } else if (which == QLatin1String("genes")) {
          window->gene();
          if (auto* list = window->geneListWindow()) {
            list->setParent(nullptr);
            shown.reset(list);
          }
        } else {
          std::fprintf(stderr, "Unknown window \"%s\": give fish, splicing, genes, water or option.\n", which.toUtf8().constData());
        }
        if (!shown) return std::unique_ptr<QWidget>(std::move(window));
        if (options.isSet(tickOption)) tick(*shown, options.value(tickOption), which == QLatin1String("splicing"));
        shown->setParent(nullptr, Qt::Window);
        mainWindow = std::move(window);
        // The main window goes before the application does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&mainWindow] { mainWindow.reset(); });
        return shown;
      });
}
