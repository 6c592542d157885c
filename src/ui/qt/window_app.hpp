#pragma once
// The start of every tool program: the application, the options all of them take, and the
// main window.
//
//   int main(int argc, char** argv) {
//     return ui::runWindowApp(argc, argv, [] { return std::make_unique<finsplit::Window>(); });
//   }
//
// Options: --screenshot FILE.png saves a picture of the laid-out window and exits; --describe
// prints the window's caption and named controls as JSON (see describe.hpp) and exits; --help.
// A tool may add options of its own (presetting the window, say): they appear in --help, and
// the factory reads their values from the parser. A factory that returns no window (another
// copy runs, say) ends the program with exit status 1, after telling the person why.
// Without a display (on Linux), these options run on Qt's offscreen platform by themselves.
// Exit status: 0 done, 1 the screenshot could not be saved, 2 the command line was wrong;
// otherwise whatever the window's event loop returns.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

namespace ui {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

using OptionsWindowFactory = std::function<std::unique_ptr<QWidget>(const QCommandLineParser&)>;

int runWindowApp(int argc, char** argv, const WindowFactory& makeWindow);
int runWindowApp(int argc, char** argv, const QList<QCommandLineOption>& toolOptions, const OptionsWindowFactory& makeWindow);

// Makes Japanese texts render with a Japanese font where one is installed, keeping the
// platform's font for Latin text. runWindowApp calls it; tests that draw may too.
void useJapaneseCapableFont();

}  // namespace ui
