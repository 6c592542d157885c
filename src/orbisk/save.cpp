#include "orbisk/save.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace orbisk {
namespace {

constexpr std::size_t kChunk = 1u << 20;

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::string why(int error) { return base::strcat(std::strerror(error), "."); }

}  // namespace

base::Result<SavedResource> saveResource(const std::filesystem::path& scanned, const Resource& resource,
                                         const std::filesystem::path& target, const ScanControl& control) {
  Fd in(::open(scanned.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0)
    return base::fail(base::strcat("Cannot read ", base::displayPath(scanned), ": ", why(errno)));
  struct stat info {};
  if (::fstat(in.get(), &info) != 0)
    return base::fail(base::strcat("Cannot read ", base::displayPath(scanned), ": ", why(errno)));
  auto fileSize = static_cast<std::uint64_t>(info.st_size);
  std::uint64_t available = resource.start >= fileSize ? 0 : std::min(resource.size, fileSize - resource.start);

  auto folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string tempName = ".";
  tempName += target.filename().string();
  tempName += ".tmp-XXXXXX";
  std::string temp = (folder / tempName).string();
  Fd out(::mkstemp(temp.data()));
  auto cannotWrite = [&](std::string reason) {
    ::unlink(temp.c_str());
    return base::fail(base::strcat("Cannot write ", base::displayPath(target), ": ", reason));
  };
  if (out.get() < 0) return base::fail(base::strcat("Cannot write ", base::displayPath(target), ": ", why(errno)));
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(out.get(), 0666 & ~mask);

  SavedResource saved;
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, std::max<std::uint64_t>(available, 1))));
  std::uint64_t done = 0;
  while (done < available) {
    auto want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), available - done));
    auto n = ::pread(in.get(), buffer.data(), want, static_cast<off_t>(resource.start + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      return cannotWrite(base::strcat("reading ", base::displayPath(scanned), " failed: ", why(error)));
    }
    if (n == 0) break;  // the file got shorter since the scan
    std::size_t written = 0;
    while (written < static_cast<std::size_t>(n)) {
      auto w = ::write(out.get(), buffer.data() + written, static_cast<std::size_t>(n) - written);
      if (w < 0) {
        if (errno == EINTR) continue;
        return cannotWrite(why(errno));
      }
      written += static_cast<std::size_t>(w);
    }
    done += static_cast<std::uint64_t>(n);
    if (control.progress) control.progress(done, resource.size);
    if (control.stopRequested && control.stopRequested()) {
      ::unlink(temp.c_str());
      saved.stopped = true;
      return saved;
    }
  }
  if (::close(out.release()) != 0) return cannotWrite(why(errno));
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) return cannotWrite(base::strcat(ec.message(), "."));
  saved.bytes = done;
  saved.truncated = done < resource.size;
  return saved;
}

}  // namespace orbisk
