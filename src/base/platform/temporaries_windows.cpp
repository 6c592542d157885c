// The temporaries removed when the console ends the program (Ctrl+C, Ctrl+Break, its window
// closed, logoff, shutdown). Windows calls the handler on a thread of its own, so it may lock
// and use the file system as any code does.
#include <windows.h>

#include <array>
#include <mutex>
#include <system_error>

#include "base/temporaries.hpp"

namespace base {

namespace {

struct Place {
  bool live = false;
  Temporary kind = Temporary::File;
  std::filesystem::path path;
};

std::mutex mutex;
std::array<Place, 64> places;

BOOL WINAPI removeAll(DWORD) {
  std::lock_guard lock(mutex);
  for (auto& place : places) {
    if (!place.live) continue;
    std::error_code ignored;
    if (place.kind == Temporary::File) {
      std::filesystem::remove(place.path, ignored);
    } else {
      std::filesystem::remove_all(place.path, ignored);
      if (place.kind == Temporary::FolderInShared) std::filesystem::remove(place.path.parent_path(), ignored);
    }
    place.live = false;
  }
  return FALSE;  // the next handler, in the end the system's, ends the program
}

}  // namespace

int rememberTemporary(const std::filesystem::path& path, Temporary kind) {
  if (path.empty()) return -1;
  static std::once_flag once;
  std::call_once(once, [] { ::SetConsoleCtrlHandler(removeAll, TRUE); });
  std::lock_guard lock(mutex);
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i].live) continue;
    places[i] = Place{true, kind, path};
    return static_cast<int>(i);
  }
  return -1;
}

void forgetTemporary(int ticket) {
  if (ticket < 0 || ticket >= static_cast<int>(places.size())) return;
  std::lock_guard lock(mutex);
  places[static_cast<std::size_t>(ticket)].live = false;
}

}  // namespace base
