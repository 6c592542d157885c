#pragma once
// How a tool's flow talks to the person: the window shows message boxes and dialogs, the
// command line answers dialogs from its options and prints messages, tests script both.
// Texts are UTF-8.
#include <cstddef>
#include <filesystem>
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

class Ui {
 public:
  virtual ~Ui() = default;
  virtual void message(std::string_view text, const MessageStyle& style = {}) = 0;
  virtual Answer ask(std::string_view text, Buttons buttons) = 0;
  virtual std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) = 0;
  virtual std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) = 0;
  virtual std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) = 0;
  virtual void setBusy(bool busy) = 0;
  // Long work reports its progress and asks whether to stop; the defaults ignore both.
  virtual void progress(std::size_t /*done*/, std::size_t /*total*/) {}
  virtual bool stopRequested() { return false; }
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
