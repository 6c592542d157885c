#include "ui/overwrite.hpp"

#include "base/file_io.hpp"
#include "ui/file_state.hpp"

namespace ui {

std::string overwriteQuestion(const std::string& path) {
  return path + "  already exists.\nDo you want to replace it?";
}

bool mayWrite(Ui& ui, const std::filesystem::path& path) {
  if (fileState(path) == FileState::Missing) return true;
  return ui.ask(overwriteQuestion(base::displayPath(path)), Buttons::YesNo) == Answer::Yes;
}

bool mayWrite(Ui& ui, const std::filesystem::path& path, const std::filesystem::path& editedInPlace) {
  std::error_code ec;
  if (!editedInPlace.empty() && std::filesystem::equivalent(path, editedInPlace, ec)) return true;
  return mayWrite(ui, path);
}

}  // namespace ui
