#pragma once
// The folders that belong to the person running the program, found from the environment by the
// XDG base directory rules (their Windows counterparts where those are unset), and the folder
// the program itself was started from. Nothing a program writes unasked goes anywhere else.
#include <filesystem>
#include <vector>

#include "base/error.hpp"

namespace base {

// The suite's own folder name inside the user's folders.
inline constexpr const char* kSuiteFolderName = "brinkit";

// Where a running program keeps files nobody named and nobody keeps: "brinkit" in the user's
// runtime folder (XDG_RUNTIME_DIR), else in the user's cache folder (XDG_CACHE_HOME, else
// ~/.cache, else %LOCALAPPDATA%; on Windows the user's temporary folder, %TMP%, comes before
// ~/.cache). Made when missing, readable and writable by the user alone.
// Fails, naming the folder, when none is known, it cannot be made, or it belongs to someone else.
Result<std::filesystem::path> userTemporaryFolder();

// "brinkit" in the user's data folder (XDG_DATA_HOME, else ~/.local/share, else %APPDATA%;
// on Windows %LOCALAPPDATA% comes before ~/.local/share),
// where the user puts templates; empty when no such folder is known. Nothing is made.
std::filesystem::path userDataFolder();

// The system's data folders, most important first: XDG_DATA_DIRS, else /usr/local/share and
// /usr/share (on Windows: XDG_DATA_DIRS separated by ';', else %ProgramData%).
std::vector<std::filesystem::path> systemDataFolders();

// The folder holding the running program; empty when the system does not tell.
std::filesystem::path programFolder();

}  // namespace base
