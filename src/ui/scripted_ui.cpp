#include "ui/scripted_ui.hpp"

namespace ui {

namespace {
template <class T>
T takeOr(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}
}  // namespace

void ScriptedUi::message(std::string_view text, const MessageStyle& style) {
  messages.emplace_back(text);
  messageStyles.push_back(style);
}

Answer ScriptedUi::ask(std::string_view text, Buttons) {
  questions.emplace_back(text);
  return takeOr(questionAnswers, Answer::No);
}

std::optional<std::filesystem::path> ScriptedUi::openFile(const FileDialogSpec& spec) {
  dialogs.push_back(spec);
  return takeOr(openAnswers, std::optional<std::filesystem::path>{});
}

std::optional<std::filesystem::path> ScriptedUi::saveFile(const FileDialogSpec& spec) {
  dialogs.push_back(spec);
  return takeOr(saveAnswers, std::optional<std::filesystem::path>{});
}

std::optional<std::filesystem::path> ScriptedUi::chooseFolder(const std::filesystem::path&) {
  return takeOr(folderAnswers, std::optional<std::filesystem::path>{});
}

void ScriptedUi::setBusy(bool busy) {
  busyDepth += busy ? 1 : -1;
  wasBusy = wasBusy || busy;
}

}  // namespace ui
