#pragma once
// The start of every tool program: the application, the options all of them take, the
// single-running-copy guard, and the main window.
//
//   int main(int argc, char** argv) {
//     return ui::runWindowApp(argc, argv, [] { return std::make_unique<finsplit::Window>(); });
//   }
//
// Options: --screenshot FILE.png saves a picture of the laid-out window and exits; --describe
// prints the window's caption and named controls as JSON (see describe.hpp) and exits; --help.
// A tool may add options of its own (presetting the window, say): they appear in --help, and
// the factory reads their values from the parser. A factory that returns no window ends the
// program with exit status 1, after telling the person why.
// Without a display (on Linux), these options run on Qt's offscreen platform by themselves.
// Exit status: 0 done, 1 the screenshot could not be saved or another copy runs, 2 the command
// line was wrong; otherwise whatever the window's event loop returns.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

namespace ui {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

using OptionsWindowFactory = std::function<std::unique_ptr<QWidget>(const QCommandLineParser&)>;

// What a program adds to the start every window program shares.
struct WindowApp {
  QList<QCommandLineOption> options;  // the tool's own
  // The title of the message boxes, set before anything else; empty for the program's name.
  QString boxTitle;
  // One running copy per user: the lock's name ("netkeeper"); empty for any number of copies.
  // A second copy shows showAlreadyOpen's box and ends with status 1. --screenshot,
  // --describe and the options named in `looking` only look at the window: they take no lock.
  QString singleInstance;
  QStringList looking;
  // The option a lone file on the command line stands for ("file"), as a menu entry or a file
  // manager gives it: `netkeeper tank.tqn` is `netkeeper --file tank.tqn`. Empty: none taken.
  QString fileOption;
  OptionsWindowFactory makeWindow;
};

int runWindowApp(int argc, char** argv, const WindowFactory& makeWindow);
int runWindowApp(int argc, char** argv, const QList<QCommandLineOption>& toolOptions, const OptionsWindowFactory& makeWindow);
int runWindowApp(int argc, char** argv, const WindowApp& app);

// Saves a picture of the widget as a PNG file, written beside it and renamed over it. False
// after printing "Cannot write the screenshot FILE." on stderr.
bool savePicture(QWidget& widget, const QString& file);

// A picture of another window than the main one (a dialog a button opened, a preview): after
// delayMs, `which` names it; its picture is saved, a modal dialog taken is closed, and the
// program ends with status 0, or with 1 when `which` finds none (whyNone is printed) or the
// picture cannot be written. context: the main window.
void screenshotLater(QObject* context, int delayMs, const QString& file, std::function<QWidget*()> which,
                     const QString& whyNone);
// The same for the modal dialog that a button opens: press is called once the window is up,
// and the modal dialog then open is taken.
void pressAndScreenshotModal(QWidget* window, std::function<void()> press, const QString& file, const QString& whyNone);

// Shows `shown` (a dialog the main window would open) on its own in the main window's place.
// The main window, unseen, lives on until the application quits, since the dialog works on it.
std::unique_ptr<QWidget> showOnItsOwn(std::unique_ptr<QWidget> main, std::unique_ptr<QWidget> shown);

// The folder a window that writes there by default starts in: the current folder, or the home
// folder when the current one is the program's own (an installed program's is the system's)
// or not writable (a launcher may start a program anywhere).
std::filesystem::path startFolder();

// Makes Japanese texts render with a Japanese font where one is installed, keeping the
// platform's font for Latin text. runWindowApp calls it; tests that draw may too.
void useJapaneseCapableFont();

}  // namespace ui
