#include "ui/cli_ui.hpp"

#include <ostream>

#include "ui/language.hpp"

namespace ui {

void CliUi::message(std::string_view text, const MessageStyle& style) {
  // The flows' messages are as designed; the command line prints them in the chosen language.
  err_ << translated(text) << '\n';
  if (!style.detail.empty()) err_ << translated(style.detail) << '\n';
  showedMessage_ = true;
}

Answer CliUi::ask(std::string_view text, Buttons) {
  if (yes_) return Answer::Yes;
  err_ << translated(text) << '\n' << "(answered No; give --yes to answer Yes)" << '\n';
  showedMessage_ = true;
  return Answer::No;
}

std::optional<std::filesystem::path> CliUi::answer(const FileDialogSpec& spec) {
  auto it = files_.find(spec.title);
  if (it != files_.end()) return it->second;
  cancelled_ = spec.title;
  return std::nullopt;
}

std::optional<std::filesystem::path> CliUi::openFile(const FileDialogSpec& spec) { return answer(spec); }
std::optional<std::filesystem::path> CliUi::saveFile(const FileDialogSpec& spec) { return answer(spec); }

std::optional<std::filesystem::path> CliUi::chooseFolder(const std::filesystem::path&) {
  if (!folder_) cancelled_ = "folder";
  return folder_;
}

}  // namespace ui
