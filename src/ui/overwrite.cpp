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
  if (!editedInPlace.empty()) {
    // The same name needs no look at the file: on Windows that look opens it, and fails while
    // another program is replacing it, which would turn "changed since it was read" into a
    // question about replacing some other file.
    std::error_code ec;
    const auto written = std::filesystem::absolute(path, ec).lexically_normal();
    const bool sameName = !ec && written == std::filesystem::absolute(editedInPlace, ec).lexically_normal() && !ec;
    if (sameName || std::filesystem::equivalent(path, editedInPlace, ec)) return true;
  }
  return mayWrite(ui, path);
}

}  // namespace ui
