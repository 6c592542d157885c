#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

std::filesystem::path runningProgram() {
  // Linux names the running program here; elsewhere the link is missing and nothing is told.
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec || !program.is_absolute() ? std::filesystem::path() : program;
}

std::optional<std::string> environmentVariable(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

// The temporary folder of the others is shared by every user (/tmp): no answer here.
std::filesystem::path systemTemporaryFolder() { return {}; }

}  // namespace base
