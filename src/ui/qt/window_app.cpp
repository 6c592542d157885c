#include "ui/qt/window_app.hpp"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QPixmap>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>

#include "base/system.hpp"
#include "base/user_folders.hpp"
#include "ui/qt/describe.hpp"
#include "ui/qt/fit_screen.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/single_instance.hpp"
#include "ui/qt/suite_menus.hpp"

namespace ui {

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// Time for the shown window to lay itself out and paint before it is grabbed.
constexpr int kSettleMs = 150;

// Without a display, the window cannot be shown, but --describe, --screenshot, --help and
// the usage errors need none: they run on the offscreen platform.
void chooseOffscreenWhenHeadless(int argc) {
#ifndef _WIN32
  if (argc < 2 || qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
#else
  // Qt's offscreen platform on Windows reads its fonts from one folder: the system's.
  (void)argc;
  if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")) &&
      !qEnvironmentVariableIsSet("QT_QPA_FONTDIR") && qEnvironmentVariableIsSet("WINDIR"))
    qputenv("QT_QPA_FONTDIR", (qEnvironmentVariable("WINDIR") + QStringLiteral("\\Fonts")).toLocal8Bit());
#endif
}

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform complains about every window with a size constraint, which only
// clutters --describe and --screenshot.
void offscreenHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
  qtDefaultHandler(type, context, message);
}

void print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace

void useJapaneseCapableFont() {
  static const char* const kCandidates[] = {"Noto Sans CJK JP", "Yu Gothic UI", "Meiryo UI", "MS UI Gothic"};
  const QStringList installed = QFontDatabase::families();
  for (const char* candidate : kCandidates) {
    const QString family = QString::fromLatin1(candidate);
    if (!installed.contains(family)) continue;
    QFont font = QApplication::font();
    QStringList families = font.families();
    if (families.isEmpty()) families << font.family();
    if (!families.contains(family)) families << family;  // kana and kanji come from here
    font.setFamilies(families);
    QApplication::setFont(font);
    return;
  }
}

bool savePicture(QWidget& widget, const QString& file) {
  // Written beside the target and renamed over it, like every file the tools write.
  const QPixmap picture = widget.grab();
  QSaveFile out(file);
  if (out.open(QIODevice::WriteOnly) && picture.save(&out, "PNG") && out.commit()) return true;
  print(stderr, QStringLiteral("Cannot write the screenshot %1.\n").arg(QFileInfo(file).absoluteFilePath()));
  return false;
}

void screenshotLater(QObject* context, int delayMs, const QString& file, std::function<QWidget*()> which,
                     const QString& whyNone) {
  QTimer::singleShot(delayMs, context, [file, which = std::move(which), whyNone] {
    QWidget* shown = which();
    if (!shown) {
      print(stderr, whyNone + QLatin1Char('\n'));
      QApplication::exit(kExitFailed);
      return;
    }
    const bool saved = savePicture(*shown, file);
    if (auto* dialog = qobject_cast<QDialog*>(shown); dialog && dialog->isModal()) dialog->reject();
    QApplication::exit(saved ? 0 : kExitFailed);
  });
}

void pressAndScreenshotModal(QWidget* window, std::function<void()> press, const QString& file, const QString& whyNone) {
  // The dialog gets time to open and lay itself out before it is taken.
  constexpr int kPressMs = 300, kTakeMs = 1200;
  screenshotLater(window, kTakeMs, file, [] { return QApplication::activeModalWidget(); }, whyNone);
  QTimer::singleShot(kPressMs, window, std::move(press));
}

std::unique_ptr<QWidget> showOnItsOwn(std::unique_ptr<QWidget> main, std::unique_ptr<QWidget> shown) {
  shown->setParent(nullptr, Qt::Window);
  // The main window goes before the application does, or with the dialog when the program
  // ends without its event loop (--describe).
  QWidget* kept = main.release();
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, kept, [kept] { delete kept; });
  QObject::connect(shown.get(), &QObject::destroyed, kept, [kept] { delete kept; });
  return shown;
}

int runWindowApp(int argc, char** argv, const WindowFactory& makeWindow) {
  return runWindowApp(argc, argv, {}, [&makeWindow](const QCommandLineParser&) { return makeWindow(); });
}

int runWindowApp(int argc, char** argv, const QList<QCommandLineOption>& toolOptions, const OptionsWindowFactory& makeWindow) {
  WindowApp tool;
  tool.options = toolOptions;
  tool.makeWindow = makeWindow;
  return runWindowApp(argc, argv, tool);
}

int runWindowApp(int argc, char** argv, const WindowApp& tool) {
  if (!tool.boxTitle.isEmpty()) QCoreApplication::setApplicationName(tool.boxTitle);
  chooseOffscreenWhenHeadless(argc);
  QApplication app(argc, argv);
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) qtDefaultHandler = qInstallMessageHandler(offscreenHandler);
  useJapaneseCapableFont();
  fitEveryWindowOnScreen();

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Opens the %1 window.").arg(QApplication::applicationName()));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"), QStringLiteral("Save a picture of the window as a PNG file and exit."),
      QStringLiteral("FILE.png"));
  const QCommandLineOption describeOption(
      QStringLiteral("describe"),
      QStringLiteral("Print the window's caption and named controls as JSON and exit."));
  const QCommandLineOption languageOption(
      QStringLiteral("language"),
      QStringLiteral("Show the window in LANGUAGE: english, or as-designed (the texts as the tool was designed, the "
                     "default). Also read from BRINKIT_LANGUAGE; the Language menu's choice otherwise."),
      QStringLiteral("LANGUAGE"));
  parser.addOption(screenshotOption);
  parser.addOption(describeOption);
  parser.addOption(languageOption);
  parser.addOptions(tool.options);
  if (!tool.fileOption.isEmpty())
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The same as --%1 FILE.").arg(tool.fileOption),
                                 QStringLiteral("[FILE]"));

  if (!parser.parse(QApplication::arguments())) {
    print(stderr, parser.errorText() + QLatin1Char('\n') + parser.helpText());
    return kExitUsage;
  }
  if (!tool.fileOption.isEmpty() && parser.positionalArguments().size() == 1 && !parser.isSet(tool.fileOption)) {
    QStringList arguments = QApplication::arguments();
    const QString file = parser.positionalArguments().first();
    arguments[arguments.lastIndexOf(file)] = QStringLiteral("--%1=%2").arg(tool.fileOption, file);
    parser.parse(arguments);
  }
  if (parser.isSet(helpOption)) {
    print(stdout, parser.helpText());
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    print(stderr, QStringLiteral("Unexpected argument: %1\n").arg(parser.positionalArguments().first()) + parser.helpText());
    return kExitUsage;
  }
  if (parser.isSet(screenshotOption) && parser.isSet(describeOption)) {
    print(stderr, QStringLiteral("Give either --screenshot or --describe, not both.\n"));
    return kExitUsage;
  }

  // Pictures and descriptions never meet a running copy: only a real start is guarded.
  std::unique_ptr<SingleInstance> guard;
  bool looking = parser.isSet(screenshotOption) || parser.isSet(describeOption);
  for (const QString& option : tool.looking) looking = looking || parser.isSet(option);

  // The option, else the environment, else the choice remembered from the Language menu; a
  // picture or description shows the texts as designed unless told otherwise.
  Language chosen = looking ? Language::AsDesigned : rememberedLanguage();
  if (const QString named = qEnvironmentVariable("BRINKIT_LANGUAGE"); !named.isEmpty()) {
    const auto fromEnvironment = languageNamed(named.toStdString());
    if (!fromEnvironment) {
      print(stderr, QString::fromStdString(unknownLanguageMessage("BRINKIT_LANGUAGE", named.toStdString())) + QLatin1Char('\n'));
      return kExitUsage;
    }
    chosen = *fromEnvironment;
  }
  if (parser.isSet(languageOption)) {
    const QString named = parser.value(languageOption);
    const auto fromOption = languageNamed(named.toStdString());
    if (!fromOption) {
      print(stderr, QString::fromStdString(unknownLanguageMessage("--language", named.toStdString())) + QLatin1Char('\n'));
      return kExitUsage;
    }
    chosen = *fromOption;
  }
  useLanguage(chosen);
  if (!tool.singleInstance.isEmpty() && !looking) {
    guard = std::make_unique<SingleInstance>(tool.singleInstance);
    if (!guard->acquired()) {
      showAlreadyOpen(nullptr);
      return kExitFailed;
    }
  }

  RecentFiles::setRecording(!looking);  // files given for a picture are not the person's work
  std::unique_ptr<QWidget> window = tool.makeWindow(parser);
  if (!window) return kExitFailed;  // the tool said why it does not start
  if (language() != Language::AsDesigned) renderTexts(window.get());  // --describe shows it unshown

  if (parser.isSet(describeOption)) {
    print(stdout, QString::fromUtf8(describeWindowJson(*window)));
    return 0;
  }

  window->show();
  if (parser.isSet(screenshotOption)) {
    const QString file = parser.value(screenshotOption);
    QTimer::singleShot(kSettleMs, window.get(), [&window, &file] { QApplication::exit(savePicture(*window, file) ? 0 : kExitFailed); });
  }
  return QApplication::exec();
}

std::filesystem::path startFolder() {
  std::error_code ec;
  const std::filesystem::path current = std::filesystem::current_path(ec);
  const std::filesystem::path program = base::programFolder();
  const bool own = !program.empty() && std::filesystem::equivalent(current, program, ec);
  if (!ec && !own && base::isWritableFolder(current)) return current;
  return toPath(QDir::homePath());
}

}  // namespace ui
