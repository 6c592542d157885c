#pragma once
// Questions only the operating system answers. Their system-specific halves live in
// platform/ (system_posix.cpp here).
#include <cstdint>
#include <filesystem>

namespace base {

// True when `folder` is a folder this program may create files in.
bool isWritableFolder(const std::filesystem::path& folder);

// This running program's number, unique among those running now.
std::uint64_t processId();

// False only when no program with that number runs now (on this computer).
bool processRunning(std::uint64_t id);

}  // namespace base
