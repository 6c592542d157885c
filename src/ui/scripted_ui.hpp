#pragma once
// A Ui for tests: records every message and question, answers dialogs from a script. An
// unscripted dialog is cancelled and an unscripted question answered No.
#include <deque>
#include <vector>

#include "ui/ui.hpp"

namespace ui {

class ScriptedUi : public Ui {
 public:
  // Scripting.
  std::deque<std::optional<std::filesystem::path>> openAnswers, saveAnswers, folderAnswers;
  std::deque<Answer> questionAnswers;
  bool stopPressed = false;  // what stopRequested() answers

  // What the flow showed, in order.
  std::vector<std::string> messages;
  std::vector<MessageStyle> messageStyles;  // one for each message
  std::vector<std::string> questions;
  std::vector<FileDialogSpec> dialogs;
  int busyDepth = 0;
  bool wasBusy = false;

  void message(std::string_view text, const MessageStyle& style = {}) override;
  Answer ask(std::string_view text, Buttons buttons) override;
  std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override;
  std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override;
  std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) override;
  void setBusy(bool busy) override;
  bool stopRequested() override { return stopPressed; }
};

}  // namespace ui
