#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/platform/temp_file.hpp"

namespace base::platform {

Result<std::filesystem::path> writeTempFileBeside(const std::filesystem::path& path, ByteSpan data) {
  auto folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return fail(std::strerror(errno) + std::string("."));
  auto failWith = [&](int error) -> Result<std::filesystem::path> {
    ::close(fd);
    ::unlink(pattern.c_str());
    return fail(std::strerror(error) + std::string("."));
  };
  // New files get the usual permissions (mkstemp makes them private to the owner).
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  std::size_t done = 0;
  while (done < data.size()) {
    auto n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failWith(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) {
    int error = errno;
    ::unlink(pattern.c_str());
    return fail(std::strerror(error) + std::string("."));
  }
  return std::filesystem::path(pattern);
}

}  // namespace base::platform
