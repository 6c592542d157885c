#pragma once
// The command line's Ui: dialogs are answered by options (an open or save dialog by its title,
// the folder dialog by one path), messages go to stderr, a question is answered No unless
// --yes was given. It remembers a cancelled dialog so the command can say why it stopped.
#include <iosfwd>
#include <map>

#include "ui/ui.hpp"

namespace ui {

class CliUi : public Ui {
 public:
  explicit CliUi(std::ostream& err, bool yes = false) : err_(err), yes_(yes) {}

  void answerDialog(std::string title, std::filesystem::path path) { files_[std::move(title)] = std::move(path); }
  void answerFolder(std::filesystem::path path) { folder_ = std::move(path); }

  // The title of the last dialog that no option answered, empty if none.
  const std::string& cancelledDialog() const { return cancelled_; }
  bool showedMessage() const { return showedMessage_; }

  void message(std::string_view text, const MessageStyle& style = {}) override;
  Answer ask(std::string_view text, Buttons buttons) override;
  std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override;
  std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override;
  std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) override;
  void setBusy(bool) override {}

 private:
  std::optional<std::filesystem::path> answer(const FileDialogSpec& spec);

  std::ostream& err_;
  bool yes_;
  std::map<std::string, std::filesystem::path> files_;
  std::optional<std::filesystem::path> folder_;
  std::string cancelled_;
  bool showedMessage_ = false;
};

}  // namespace ui
