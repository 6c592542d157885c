#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/platform/mapping_guard.hpp"
#include "base/strcat.hpp"

namespace base {

namespace {

std::string reason(int error) { return strcat(std::strerror(error), "."); }

std::unexpected<Error> cannotRead(const std::filesystem::path& path, const std::string& why) {
  return fail(strcat("Cannot read ", displayPath(path), ": ", why));
}

}  // namespace

Result<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
  int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) return cannotRead(path, errno == ENOENT ? "the file does not exist." : reason(errno));
  struct stat info {};
  if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(handle);
    return cannotRead(path, "it is not a file.");
  }
  return ReadOnlyFile(handle, static_cast<std::uint64_t>(info.st_size), path);
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : handle_(other.handle_), size_(other.size_), path_(std::move(other.path_)) {
  other.handle_ = -1;
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
  struct stat info {};
  if (handle_ < 0 || ::fstat(handle_, &info) != 0) return {};
  return {static_cast<std::uint64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
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

MappedFile::MappedFile(ReadOnlyFile file, void* address, std::size_t size)
    : file_(std::move(file)), address_(address), size_(size), guard_(platform::guardMapping(address, size)),
      stamp_(file_.stamp()) {}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : file_(std::move(other.file_)), address_(other.address_), size_(other.size_), guard_(other.guard_), stamp_(other.stamp_) {
  other.address_ = nullptr;
  other.size_ = 0;
  other.guard_ = -1;
}

MappedFile::~MappedFile() {
  platform::unguardMapping(guard_);
  if (address_) ::munmap(address_, size_);
}

bool MappedFile::changed() const { return platform::mappingFaulted(guard_) || file_.stamp() != stamp_; }

Result<AtomicWriter> AtomicWriter::create(const std::filesystem::path& destination) {
  auto folder = destination.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp = (folder / ("." + destination.filename().string() + ".tmp-XXXXXX")).string();
  int handle = ::mkstemp(temp.data());
  if (handle < 0) return fail(strcat("Cannot write ", displayPath(destination), ": ", reason(errno)));
  // New files get the usual permissions (mkstemp makes them private to the owner).
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(handle, 0666 & ~mask);
  return AtomicWriter(handle, temp, destination);
}

AtomicWriter::AtomicWriter(AtomicWriter&& other) noexcept
    : handle_(other.handle_), temp_(std::move(other.temp_)), destination_(std::move(other.destination_)) {
  other.handle_ = -1;
  other.temp_.clear();
}

AtomicWriter::~AtomicWriter() {
  if (handle_ >= 0) ::close(handle_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

Result<void> AtomicWriter::failWith(const std::string& why) {
  return fail(strcat("Cannot write ", displayPath(destination_), ": ", why));
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
  int handle = handle_;
  handle_ = -1;
  if (::close(handle) != 0) return failWith(reason(errno));
  std::error_code ec;
  std::filesystem::rename(temp_, destination_, ec);
  if (ec) return failWith(strcat(ec.message(), "."));
  temp_.clear();
  return {};
}

}  // namespace base
