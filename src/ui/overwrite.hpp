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

}  // namespace ui
