#pragma once
#include <filesystem>
#include <string>

#include "ui/ui.hpp"

namespace ui {

// "PATH  already exists.\nDo you want to replace it?"
std::string overwriteQuestion(const std::string& path);

// True when the path is free or the person agreed to replace what is there (anything whose
// file state is not Missing counts as existing).
bool mayWrite(Ui& ui, const std::filesystem::path& path);
// The same, but the file being edited in place (the command line's own file; none when empty)
// is replaced without asking: replacing it is the edit that was asked for.
bool mayWrite(Ui& ui, const std::filesystem::path& path, const std::filesystem::path& editedInPlace);

}  // namespace ui
