#pragma once
// Questions only the operating system answers. Their system-specific halves live in
// platform/ (system_posix.cpp here).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace base {

// True when `folder` is a folder this program may create files in.
bool isWritableFolder(const std::filesystem::path& folder);

// This running program's number, unique among those running now.
std::uint64_t processId();

// False only when no program with that number runs now (on this computer).
bool processRunning(std::uint64_t id);

// The running program's own file, absolute; empty when the system does not tell.
std::filesystem::path runningProgram();

// The environment variable `name` as UTF-8 text (as the system holds it, on systems whose
// names are bytes); nothing when it is unset.
std::optional<std::string> environmentVariable(const char* name);

// The system's folder for temporary files of the person running the program, where it has one
// of its own (Windows); empty elsewhere.
std::filesystem::path systemTemporaryFolder();

}  // namespace base
