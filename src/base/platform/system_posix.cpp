#include <unistd.h>

#include <system_error>

#include "base/system.hpp"

namespace base {

bool isWritableFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  return !folder.empty() && std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

std::uint64_t processId() { return static_cast<std::uint64_t>(::getpid()); }

}  // namespace base
