#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <system_error>

#include "base/system.hpp"

namespace base {

bool isWritableFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  return !folder.empty() && std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

std::uint64_t processId() { return static_cast<std::uint64_t>(::getpid()); }

bool processRunning(std::uint64_t id) {
  if (id == 0 || id > static_cast<std::uint64_t>(INT32_MAX)) return false;
  return ::kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}

}  // namespace base
