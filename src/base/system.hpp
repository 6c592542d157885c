#pragma once
// Questions only the operating system answers. Their system-specific halves live in
// platform/ (system_posix.cpp here).
#include <filesystem>

namespace base {

// True when `folder` is a folder this program may create files in.
bool isWritableFolder(const std::filesystem::path& folder);

}  // namespace base
