#pragma once
// How a tool's flow talks to the person: the window shows message boxes and dialogs, the
// command line answers dialogs from its options and prints messages, tests script both.
// Texts are UTF-8.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

enum class Buttons { YesNo, YesNoCancel };
enum class Answer { Yes, No, Cancel };

struct MessageStyle {
  std::string title;   // the box's title; empty for the program's name
  std::string detail;  // a second line saying why, where there is more to say
};

struct FileDialogSpec {
  std::string title;                  // "OPEN", "MAKE FISH" …
  std::string filter;                 // "Brinmoor Fish file(*.fsh)|*.fsh"; pairs of description|pattern
  std::filesystem::path startFolder;  // empty for the current folder
  std::string defaultName;
};

// What a user action came to, for callers that need to know (the command line's exit code).
enum class Outcome { Done, Cancelled, Refused };

// The one channel through which long work (a scan, a build, a cut, a copy) says how far it
// has come and learns that the person pressed Stop. Work calls progress() every so often, never
// per byte, and asks stopRequested() at points where it can end cleanly; stopped work writes
// nothing, so every file it would have replaced stays as it was. The defaults ignore both: the
// command line never stops. In the windows the work runs on a worker thread (ui/qt/worker.hpp)
// whose Ui shows the progress and answers Stop.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void progress(std::uint64_t /*done*/, std::uint64_t /*total*/) {}
  virtual bool stopRequested() { return false; }
};

// Reports nowhere and never stops: the default where a function takes a Progress.
inline Progress& noProgress() {
  static Progress none;
  return none;
}

// A Progress made of two functions, either of which may be empty (tests, or work that keeps
// its own stop flag).
class ProgressCallbacks : public Progress {
 public:
  std::function<void(std::uint64_t done, std::uint64_t total)> report;
  std::function<bool()> stop;

  void progress(std::uint64_t done, std::uint64_t total) override {
    if (report) report(done, total);
  }
  bool stopRequested() override { return stop && stop(); }
};

// A Ui is also the Progress of the flow that talks through it.
class Ui : public Progress {
 public:
  virtual void message(std::string_view text, const MessageStyle& style = {}) = 0;
  virtual Answer ask(std::string_view text, Buttons buttons) = 0;
  virtual std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) = 0;
  virtual std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) = 0;
  virtual std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) = 0;
  virtual void setBusy(bool busy) = 0;
};

// Shows the busy pointer for its lifetime, whichever way the action ends.
class BusyPointer {
 public:
  explicit BusyPointer(Ui& ui) : ui_(ui) { ui_.setBusy(true); }
  ~BusyPointer() { ui_.setBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Ui& ui_;
};

}  // namespace ui
