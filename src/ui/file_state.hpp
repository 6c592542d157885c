#pragma once
// The file-state probe: what a path is, in the numbers the tools test for.
#include <filesystem>

namespace ui {

enum class FileState : int {
  Plain = 0,
  ReadOnly = 1,
  Hidden = 2,
  System = 3,
  Folder = 4,
  Missing = 9,
};

// Missing if the path does not exist; otherwise the last of read-only, hidden, system and
// folder that applies (so a folder is always Folder), or Plain. On this system "hidden"
// means a name starting with '.', "read-only" no write permission for anyone, and no file is
// a system file.
FileState fileState(const std::filesystem::path& path);

}  // namespace ui
