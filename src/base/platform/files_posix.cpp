#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <system_error>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/platform/files_shared.hpp"
#include "base/platform/mapping_guard.hpp"
#include "base/strcat.hpp"
#include "base/temporaries.hpp"

namespace base {

namespace fs = std::filesystem;

namespace {

using platform::comparable;
using platform::kTempPrefix;
std::string tempName(const fs::path& folder) { return platform::temporaryName(folder).string(); }

std::string reason(int error) { return strcat(std::strerror(error), "."); }

// Why a file could not be opened, in words for the person.
std::string openReason(int error) {
  switch (error) {
    case ENOENT: return "the file does not exist.";
    case ELOOP: return "it is a loop of symbolic links (each names the next, never a file).";
    case ENOTDIR: return "a part of its path is not a folder.";
    default: return reason(error);
  }
}

std::string notAFile(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder, not a file.";
  if (S_ISFIFO(mode)) return "it is a pipe, not a file.";
  if (S_ISSOCK(mode)) return "it is a socket, not a file.";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file.";
  return "it is not a file.";
}

std::unexpected<Error> cannotRead(const std::filesystem::path& path, const std::string& why) {
  return fail(strcat("Cannot read ", displayPath(path), ": ", why));
}

std::unexpected<Error> cannotWrite(const std::filesystem::path& path, const std::string& why) {
  return fail(strcat("Cannot write ", displayPath(path), ": ", why));
}

std::int64_t changedNs(const struct stat& info) {
  return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

// Which file, how long and when last changed, as the system tells it now.
FileStamp stampOf(const struct stat& info) {
  return FileStamp{{}, static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                   static_cast<std::uint64_t>(info.st_size), changedNs(info)};
}

// Removes, once per folder and run, the temporaries of programs that are gone (killed while
// they held a named temporary there).
void sweepFolder(const fs::path& folder) {
  static std::mutex mutex;
  static std::set<std::string> swept;
  {
    std::lock_guard lock(mutex);
    if (!swept.insert(folder.string()).second) return;
  }
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view name = entry->d_name;
    if (!name.starts_with(kTempPrefix)) continue;
    name.remove_prefix(kTempPrefix.size());
    const auto dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 10 || name.size() != dash + 7) continue;
    if (name.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos) continue;
    const long owner = std::stol(std::string(name.substr(0, dash)));
    if (owner <= 0 || owner == ::getpid() || ::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH) continue;
    ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// Files made without a name (O_TMPFILE) are linked in through /proc; without /proc they are not used.
bool unnamedFilesUsable() {
  static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
  return usable;
}

// Why no new file could be made in `folder`: the folder is the reason, not the file.
std::unexpected<Error> cannotMakeIn(const fs::path& destination, const fs::path& folder, int error) {
  if (error == ENOENT) return cannotWrite(destination, strcat("the folder ", displayPath(folder), " does not exist."));
  if (error == EACCES || error == EPERM || error == EROFS)
    return cannotWrite(destination, strcat("the folder ", displayPath(folder), " may not be written to (",
                                           std::strerror(error), ")."));
  if (error == ENOTDIR) return cannotWrite(destination, strcat(displayPath(folder), " is not a folder."));
  return cannotWrite(destination, reason(error));
}

// A device that ends before its first byte, as the null device does, reads as an empty file.
bool endsAtOnce(int handle) {
  std::uint8_t byte = 0;
  return ::read(handle, &byte, 1) == 0;
}

}  // namespace

Result<fs::path> followLinks(const fs::path& path) {
  fs::path current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::error_code ec;
    const auto target = fs::read_symlink(current, ec);
    if (ec) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return fail(strcat(displayPath(path), ": ", openReason(ELOOP)));
}

Result<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
  // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
  int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (handle < 0) return cannotRead(path, openReason(errno));
  struct stat info {};
  if (::fstat(handle, &info) != 0) {
    const int error = errno;
    ::close(handle);
    return cannotRead(path, reason(error));
  }
  if (!S_ISREG(info.st_mode) && !(S_ISCHR(info.st_mode) && endsAtOnce(handle))) {
    ::close(handle);
    return cannotRead(path, notAFile(info.st_mode));
  }
  if (!S_ISREG(info.st_mode)) info.st_size = 0;
  ReadOnlyFile file(handle, static_cast<std::uint64_t>(info.st_size), path);
  file.device_ = static_cast<std::uint64_t>(info.st_dev);
  file.inode_ = static_cast<std::uint64_t>(info.st_ino);
  file.changedNs_ = changedNs(info);
  return file;
}

ReadOnlyFile::~ReadOnlyFile() {
  if (handle_ >= 0) ::close(handle_);
}

Result<std::size_t> ReadOnlyFile::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
  for (;;) {
    auto n = ::pread(handle_, buffer.data(), buffer.size(), static_cast<off_t>(offset));
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) return cannotRead(path_, reason(errno));
  }
}

FileStamp ReadOnlyFile::stamp() const {
  auto real = followLinks(path_);
  return FileStamp{comparable(real ? *real : path_), device_, inode_, size_, changedNs_};
}

FileStamp ReadOnlyFile::current() const {
  struct stat info {};
  if (handle_ < 0 || ::fstat(handle_, &info) != 0) return {};
  return stampOf(info);
}

Result<MappedFile> MappedFile::map(const std::filesystem::path& path) {
  auto file = ReadOnlyFile::open(path);
  if (!file) return std::unexpected(file.error());
  const auto size = static_cast<std::size_t>(file->size());
  if (size == 0) return MappedFile(std::move(*file), nullptr, 0);
  void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file->handle_, 0);
  if (address == MAP_FAILED) return cannotRead(path, reason(errno));
  ::madvise(address, size, MADV_SEQUENTIAL);
  return MappedFile(std::move(*file), address, size);
}

MappedFile::~MappedFile() {
  platform::unguardMapping(guard_);
  if (address_) ::munmap(address_, size_);
}

Result<AtomicWriter> AtomicWriter::create(const fs::path& destination, const FileStamp* readAs) {
  auto real = followLinks(destination);
  if (!real) return cannotWrite(destination, openReason(ELOOP));
  fs::path folder = real->parent_path();
  if (folder.empty()) folder = ".";

  struct stat old {};
  const bool existed = ::stat(real->c_str(), &old) == 0;
  if (existed) {
    if (!S_ISREG(old.st_mode)) return cannotWrite(destination, notAFile(old.st_mode));
    if (::access(real->c_str(), W_OK) != 0 && errno != ENOENT) return cannotWrite(destination, reason(errno));
  }

  AtomicWriter writer;
  writer.destination_ = destination;
  writer.real_ = *real;
  if (readAs && (comparable(*real) == readAs->file ||
                 (existed && static_cast<std::uint64_t>(old.st_dev) == readAs->device &&
                  static_cast<std::uint64_t>(old.st_ino) == readAs->inode)))
    writer.readAs_ = *readAs;

  sweepFolder(folder);
  if (unnamedFilesUsable()) {
    writer.handle_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (writer.handle_ >= 0)
      writer.unnamed_ = true;
    else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
      return cannotMakeIn(destination, folder, errno);
  }
  if (writer.handle_ < 0) {
    // A named temporary, remembered so that a signal that ends the program removes it.
    for (int attempt = 0; attempt < 100 && writer.handle_ < 0; ++attempt) {
      writer.temp_ = tempName(folder);
      writer.handle_ = ::open(writer.temp_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
      if (writer.handle_ < 0 && errno != EEXIST) return cannotMakeIn(destination, folder, errno);
    }
    if (writer.handle_ < 0) return cannotMakeIn(destination, folder, EEXIST);
    writer.ticket_ = rememberTemporary(writer.temp_, Temporary::File);
  }
  if (existed) {
    writer.replacedNs_ = changedNs(old);
    // What belonged to the old file stays: owner and group where allowed, then the permissions.
    (void)!::fchown(writer.handle_, old.st_uid, old.st_gid);
    ::fchmod(writer.handle_, old.st_mode & 07777);
  }
  return writer;
}

AtomicWriter::AtomicWriter(AtomicWriter&& other) noexcept
    : handle_(other.handle_), unnamed_(other.unnamed_), ticket_(other.ticket_), temp_(std::move(other.temp_)),
      destination_(std::move(other.destination_)), real_(std::move(other.real_)), readAs_(std::move(other.readAs_)),
      replacedNs_(other.replacedNs_) {
  other.handle_ = -1;
  other.ticket_ = -1;
  other.temp_.clear();
}

void AtomicWriter::dropTemp() {
  if (!temp_.empty()) ::unlink(temp_.c_str());
  forgetTemporary(ticket_);
  ticket_ = -1;
  temp_.clear();
}

AtomicWriter::~AtomicWriter() {
  if (handle_ >= 0) ::close(handle_);
  dropTemp();
}

Result<void> AtomicWriter::failWith(const std::string& why) {
  return cannotWrite(destination_, why);
}

Result<void> AtomicWriter::write(ByteSpan data) {
  std::size_t done = 0;
  while (done < data.size()) {
    auto n = ::write(handle_, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failWith(reason(errno));
    }
    done += static_cast<std::size_t>(n);
  }
  return {};
}

Result<void> AtomicWriter::commit() {
  if (handle_ < 0) return failWith("it was already written.");
  fs::path folder = real_.parent_path();
  if (folder.empty()) folder = ".";
  if (unnamed_) {
    // A short name for the finished file, then the rename puts it in place at once.
    const std::string self = strcat("/proc/self/fd/", handle_);
    for (int attempt = 0; temp_.empty(); ++attempt) {
      std::string name = tempName(folder);
      const int ticket = rememberTemporary(name, Temporary::File);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        temp_ = std::move(name);
        ticket_ = ticket;
        break;
      }
      const int error = errno;
      forgetTemporary(ticket);
      if (error != EEXIST || attempt >= 100) return cannotMakeIn(destination_, folder, error);
    }
  }
  // The new file's time is exact and later than the replaced one's, even where the clock the
  // file system uses is coarse: a stamp taken of an earlier version never matches it again.
  struct timespec clock {};
  ::clock_gettime(CLOCK_REALTIME, &clock);
  std::int64_t ns = static_cast<std::int64_t>(clock.tv_sec) * 1'000'000'000 + clock.tv_nsec;
  if (ns <= replacedNs_) ns = replacedNs_ + 1;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)}};
  ::futimens(handle_, times);
  const int handle = handle_;
  handle_ = -1;
  if (::close(handle) != 0) {
    const int error = errno;
    dropTemp();
    return failWith(reason(error));
  }

  int lock = -1;
  if (readAs_) {
    // The file must still be the one that was read; the lock keeps other editors from
    // replacing it between this check and the rename.
    lock = ::open(real_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (lock >= 0)
      while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
      }
    struct stat now {};
    if (::stat(real_.c_str(), &now) != 0 || stampOf(now) != *readAs_) {
      if (lock >= 0) ::close(lock);
      dropTemp();
      return fail(strcat(displayPath(destination_), " changed since it was read; nothing was written."));
    }
  }
  const bool renamed = ::rename(temp_.c_str(), real_.c_str()) == 0;
  const int error = errno;
  if (lock >= 0) ::close(lock);
  if (!renamed) {
    dropTemp();
    if (error == EACCES || error == EPERM || error == EROFS) return cannotMakeIn(destination_, folder, error);
    return failWith(error == EISDIR ? "it is a folder, not a file." : reason(error));
  }
  forgetTemporary(ticket_);
  ticket_ = -1;
  temp_.clear();
  return {};
}

}  // namespace base
