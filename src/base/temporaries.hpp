#pragma once
// Files and folders of this program's own that must not outlive it: when SIGTERM, SIGINT or
// SIGHUP ends the program, they are removed first, then the signal ends it as it would have.
// The system-specific half lives in platform/ (temporaries_posix.cpp here).
#include <filesystem>

namespace base {

enum class Temporary {
  File,
  Folder,            // removed with everything in it
  FolderInShared,    // the same, and the folder above it when that is then empty
};

// Remembers `path` until forgetTemporary(ticket). The ticket is -1 when too many are
// remembered at once; the path is then removed only by its owner.
int rememberTemporary(const std::filesystem::path& path, Temporary kind);
void forgetTemporary(int ticket);

}  // namespace base
