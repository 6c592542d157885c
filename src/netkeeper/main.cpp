// netkeeper: edits the fish of a tank or fish file (their values and genes) and lists their
// genes.
#include <QAbstractButton>
#include <QCommandLineOption>
#include <QFileInfo>
#include <cstdio>

#include "netkeeper/window.hpp"
#include "ui/qt/qt_ui.hpp"
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

// The window --show names, as Start, Splicing, Gene or Option would open it; none when the
// name is unknown or the window has nothing to show.
std::unique_ptr<QWidget> windowToShow(netkeeper::Window& window, const QString& which) {
  if (which == QLatin1String("fish")) return window.fishDialog();
  if (which == QLatin1String("splicing")) return window.splicingDialog();
  if (which == QLatin1String("water")) return window.waterDialog();
  if (which == QLatin1String("option")) return window.optionDialog();
  if (which == QLatin1String("genes")) {
    window.gene();
    QWidget* list = window.geneListWindow();
    if (list) list->setParent(nullptr);
    return std::unique_ptr<QWidget>(list);
  }
  std::fprintf(stderr, "Unknown window \"%s\": give fish, splicing, genes, water or option.\n", which.toUtf8().constData());
  return nullptr;
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
  ui::WindowApp app;
  app.options = {folderOption, fileOption, tankOption, showOption, tickOption};
  app.boxTitle = QString::fromUtf8(netkeeper::kCaption);
  app.singleInstance = QStringLiteral("netkeeper");
  app.makeWindow = [&](const QCommandLineParser& options) -> std::unique_ptr<QWidget> {
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
    if (!options.isSet(showOption)) return window;
    auto shown = windowToShow(*window, options.value(showOption));
    if (!shown) return window;
    if (options.isSet(tickOption)) tick(*shown, options.value(tickOption), options.value(showOption) == QLatin1String("splicing"));
    return ui::showOnItsOwn(std::move(window), std::move(shown));
  };
  app.fileOption = QStringLiteral("file");
  return ui::runWindowApp(argc, argv, app);
}
