// The temporaries removed on SIGTERM, SIGINT and SIGHUP. The handler may run at any moment on
// any thread, so it uses only async-signal-safe calls: unlink, rmdir, open, getdents64, and
// paths kept in fixed places that are published with atomics.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>

#include "base/temporaries.hpp"

namespace base {

namespace {

enum State : int { kFree, kBusy, kLive };

struct Place {
  std::atomic<int> state{kFree};
  Temporary kind = Temporary::File;
  char path[PATH_MAX] = {};
};

std::array<Place, 64> places;
constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// Removes the folder at `path` (a buffer of PATH_MAX) with what it holds, a few levels deep.
void removeTree(char* path, int depth) {
  const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (folder >= 0) {
    alignas(8) char buffer[4096];
    const std::size_t length = std::strlen(path);
    for (;;) {
      const long got = ::syscall(SYS_getdents64, folder, buffer, sizeof buffer);
      if (got <= 0) break;
      for (long at = 0; at < got;) {
        // glibc's dirent64 has the layout the system call fills in.
        const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + at);
        at += entry->d_reclen;
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        if (::unlinkat(folder, name, 0) == 0 || depth <= 0) continue;
        const std::size_t nameLength = std::strlen(name);
        if (length + 1 + nameLength >= PATH_MAX) continue;
        path[length] = '/';
        std::memcpy(path + length + 1, name, nameLength + 1);
        removeTree(path, depth - 1);
        path[length] = '\0';
      }
    }
    ::close(folder);
  }
  ::rmdir(path);
}

void removeAll(int signal) {
  const int saved = errno;
  for (auto& place : places) {
    if (place.state.load(std::memory_order_acquire) != kLive) continue;
    if (place.kind == Temporary::File) {
      ::unlink(place.path);
      continue;
    }
    char path[PATH_MAX];
    std::memcpy(path, place.path, PATH_MAX);
    removeTree(path, 8);
    if (place.kind == Temporary::FolderInShared) {
      char* slash = std::strrchr(path, '/');
      if (slash && slash != path) {
        *slash = '\0';
        ::rmdir(path);
      }
    }
  }
  struct sigaction plain {};
  plain.sa_handler = SIG_DFL;
  ::sigemptyset(&plain.sa_mask);
  ::sigaction(signal, &plain, nullptr);
  errno = saved;
  ::raise(signal);  // delivered when this handler returns, with the default action
}

// Takes over the three signals where nobody else did (an ignored signal stays ignored).
void installOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int signal : kSignals) {
      struct sigaction before {};
      if (::sigaction(signal, nullptr, &before) != 0 || before.sa_handler != SIG_DFL ||
          (before.sa_flags & SA_SIGINFO) != 0)
        continue;
      struct sigaction mine {};
      mine.sa_handler = removeAll;
      ::sigemptyset(&mine.sa_mask);
      for (int other : kSignals) ::sigaddset(&mine.sa_mask, other);
      ::sigaction(signal, &mine, nullptr);
    }
  });
}

}  // namespace

int rememberTemporary(const std::filesystem::path& path, Temporary kind) {
  const std::string& text = path.native();
  if (text.empty() || text.size() >= PATH_MAX) return -1;
  installOnce();
  for (std::size_t i = 0; i < places.size(); ++i) {
    int expected = kFree;
    if (!places[i].state.compare_exchange_strong(expected, kBusy, std::memory_order_acquire)) continue;
    places[i].kind = kind;
    std::memcpy(places[i].path, text.c_str(), text.size() + 1);
    places[i].state.store(kLive, std::memory_order_release);
    return static_cast<int>(i);
  }
  return -1;
}

void forgetTemporary(int ticket) {
  if (ticket < 0 || ticket >= static_cast<int>(places.size())) return;
  places[static_cast<std::size_t>(ticket)].state.store(kFree, std::memory_order_release);
}

}  // namespace base
