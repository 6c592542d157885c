// Files on Windows. Handles are kept as C run-time descriptors (the class's int) over handles
// opened with CreateFileW, so that every handle lets others rename and delete the file, as a
// POSIX descriptor does.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>

#include <algorithm>
#include <optional>
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
#include "base/system.hpp"
#include "base/temporaries.hpp"
#include "base/utf8.hpp"

namespace base {

namespace fs = std::filesystem;

namespace {

using platform::comparable;
using platform::kTempPrefix;
using platform::temporaryName;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The system's words for an error, as one sentence.
std::string reason(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED: return "Permission denied.";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "No space left on device.";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "another program has the file open.";
    case ERROR_WRITE_PROTECT: return "Read-only file system.";
    default: break;
  }
  wchar_t* text = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string words = length ? displayPath(fs::path(std::wstring(text, length))) : strcat("Windows error ", error);
  if (text) ::LocalFree(text);
  while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' || words.back() == '.'))
    words.pop_back();
  return words + ".";
}

std::string openReason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return "the file does not exist.";
    case ERROR_CANT_RESOLVE_FILENAME: return "it is a loop of symbolic links (each names the next, never a file).";
    case ERROR_DIRECTORY: return "a part of its path is not a folder.";
    default: return reason(error);
  }
}

std::unexpected<Error> cannotRead(const fs::path& path, const std::string& why) {
  return fail(strcat("Cannot read ", displayPath(path), ": ", why));
}

std::unexpected<Error> cannotWrite(const fs::path& path, const std::string& why) {
  return fail(strcat("Cannot write ", displayPath(path), ": ", why));
}

HANDLE osHandle(int descriptor) { return reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor)); }

// Nanoseconds since 1970 from a FILETIME (100 ns since 1601).
std::int64_t unixNs(FILETIME time) {
  const auto ticks = (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return (ticks - 116'444'736'000'000'000) * 100;
}

FILETIME fileTime(std::int64_t ns) {
  const auto ticks = static_cast<std::uint64_t>(ns / 100 + 116'444'736'000'000'000);
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

FileStamp stampOf(const BY_HANDLE_FILE_INFORMATION& info) {
  return FileStamp{{}, info.dwVolumeSerialNumber,
                   (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                   (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow, unixNs(info.ftLastWriteTime)};
}

// The stamp of the file at `path` now; nothing when it cannot be opened.
std::optional<FileStamp> stampAt(const fs::path& path) {
  HANDLE handle = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = ::GetFileInformationByHandle(handle, &info);
  ::CloseHandle(handle);
  if (!known) return std::nullopt;
  return stampOf(info);
}

// Removes, once per folder and run, the temporaries of programs that are gone.
void sweepFolder(const fs::path& folder) {
  static std::mutex mutex;
  static std::set<fs::path> swept;
  {
    std::lock_guard lock(mutex);
    if (!swept.insert(folder).second) return;
  }
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string whole = displayPath(it->path().filename());
    std::string_view name = whole;
    if (!name.starts_with(kTempPrefix)) continue;
    name.remove_prefix(kTempPrefix.size());
    const auto dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 10 || name.size() != dash + 7) continue;
    if (name.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos) continue;
    const auto owner = std::stoull(std::string(name.substr(0, dash)));
    if (owner == 0 || owner == processId() || processRunning(owner)) continue;
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
}

std::unexpected<Error> cannotMakeIn(const fs::path& destination, const fs::path& folder, DWORD error) {
  if (error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND)
    return cannotWrite(destination, strcat("the folder ", displayPath(folder), " does not exist."));
  if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT)
    return cannotWrite(destination, strcat("the folder ", displayPath(folder), " may not be written to (",
                                           error == ERROR_ACCESS_DENIED ? "Permission denied" : "Read-only file system", ")."));
  if (error == ERROR_DIRECTORY) return cannotWrite(destination, strcat(displayPath(folder), " is not a folder."));
  return cannotWrite(destination, reason(error));
}

// Puts the finished file `temp` in the place of `destination`. An existing destination is
// replaced the way that keeps what belonged to it (its attributes, its access control list and
// owner, its creation time), as the other systems keep the replaced file's permissions and
// owner; where that cannot be done (another volume, a file system without it), or the
// destination is new, the file is renamed over it. Either way a reader sees the old file or
// the new one, never a mix. Open handles on the destination that allow deleting do not stop a
// replacement, but they stop the rename.
bool putInPlace(const fs::path& temp, const fs::path& destination) {
  std::error_code ec;
  // The system resolves relative names of a replacement against the wrong folder in places.
  const fs::path from = fs::absolute(temp, ec), to = ec ? destination : fs::absolute(destination, ec);
  const DWORD before = ec ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(to.c_str());
  if (before != INVALID_FILE_ATTRIBUTES &&
      ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                     nullptr, nullptr)) {
    // Not every implementation carries the attributes over; what the person set stays set.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD now = ::GetFileAttributesW(to.c_str());
    if (now != INVALID_FILE_ATTRIBUTES && (now & kKept) != (before & kKept))
      ::SetFileAttributesW(to.c_str(), (now & ~kKept) | (before & kKept));
    return true;
  }
  // A failed replacement leaves the new file under its own name (and may have removed the old
  // one already): the rename finishes the job.
  return ::MoveFileExW(temp.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

Result<fs::path> followLinks(const fs::path& path) {
  fs::path current = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
    const auto target = fs::read_symlink(current, ec);
    if (ec) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return fail(strcat(displayPath(path), ": ", openReason(ERROR_CANT_RESOLVE_FILENAME)));
}

namespace {
// Opens `path` for reading. A file another program is replacing may be missing, or refuse to
// open, for a moment (ReplaceFileW moves the old file aside before it puts the new one in its
// place): a few short retries read the new file instead of reporting a file that is there.
HANDLE openForReading(const fs::path& path) {
  for (int attempt = 0;; ++attempt) {
    // Folders open too (backup semantics), so that the message can say what the path is.
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const DWORD error = ::GetLastError();
    if (handle != INVALID_HANDLE_VALUE || attempt == 4 ||
        (error != ERROR_FILE_NOT_FOUND && error != ERROR_ACCESS_DENIED))
      return handle;
    ::Sleep(2);
  }
}
}  // namespace

Result<ReadOnlyFile> ReadOnlyFile::open(const fs::path& path) {
  HANDLE handle = openForReading(path);
  if (handle == INVALID_HANDLE_VALUE) return cannotRead(path, openReason(::GetLastError()));
  BY_HANDLE_FILE_INFORMATION info{};
  const DWORD type = ::GetFileType(handle);
  std::uint64_t size = 0;
  if (type == FILE_TYPE_DISK) {
    if (!::GetFileInformationByHandle(handle, &info)) {
      const DWORD error = ::GetLastError();
      ::CloseHandle(handle);
      return cannotRead(path, reason(error));
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ::CloseHandle(handle);
      return cannotRead(path, "it is a folder, not a file.");
    }
    size = stampOf(info).size;
  } else if (type != FILE_TYPE_CHAR) {
    ::CloseHandle(handle);
    return cannotRead(path, type == FILE_TYPE_PIPE ? "it is a pipe, not a file." : "it is not a file.");
  }
  // A device (NUL) reads as an empty file.
  const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (descriptor < 0) {
    ::CloseHandle(handle);
    return cannotRead(path, "too many files are open.");
  }
  ReadOnlyFile file(descriptor, size, path);
  if (type == FILE_TYPE_DISK) {
    const FileStamp stamp = stampOf(info);
    file.device_ = stamp.device;
    file.inode_ = stamp.inode;
    file.changedNs_ = stamp.changedNs;
  }
  return file;
}

ReadOnlyFile::~ReadOnlyFile() {
  if (handle_ >= 0) ::_close(handle_);
}

Result<std::size_t> ReadOnlyFile::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  const auto wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
  if (::ReadFile(osHandle(handle_), buffer.data(), wanted, &got, &at)) return got;
  const DWORD error = ::GetLastError();
  if (error == ERROR_HANDLE_EOF) return 0;
  return cannotRead(path_, reason(error));
}

FileStamp ReadOnlyFile::stamp() const {
  auto real = followLinks(path_);
  return FileStamp{comparable(real ? *real : path_), device_, inode_, size_, changedNs_};
}

FileStamp ReadOnlyFile::current() const {
  BY_HANDLE_FILE_INFORMATION info{};
  if (handle_ < 0 || !::GetFileInformationByHandle(osHandle(handle_), &info)) return {};
  return stampOf(info);
}

Result<MappedFile> MappedFile::map(const fs::path& path) {
  auto file = ReadOnlyFile::open(path);
  if (!file) return std::unexpected(file.error());
  const auto size = static_cast<std::size_t>(file->size());
  if (size == 0) return MappedFile(std::move(*file), nullptr, 0);
  // Windows does not let a mapped file shrink, so no guard is needed; the view keeps the
  // mapping object alive after its handle is closed.
  HANDLE mapping = ::CreateFileMappingW(osHandle(file->handle_), nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!mapping) return cannotRead(path, reason(::GetLastError()));
  void* address = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size);
  const DWORD error = ::GetLastError();
  ::CloseHandle(mapping);
  if (!address) return cannotRead(path, reason(error));
  return MappedFile(std::move(*file), address, size);
}

MappedFile::~MappedFile() {
  platform::unguardMapping(guard_);
  if (address_) ::UnmapViewOfFile(address_);
}

Result<AtomicWriter> AtomicWriter::create(const fs::path& destination, const FileStamp* readAs) {
  auto real = followLinks(destination);
  if (!real) return cannotWrite(destination, openReason(ERROR_CANT_RESOLVE_FILENAME));
  fs::path folder = real->parent_path();
  if (folder.empty()) folder = ".";

  const DWORD attributes = ::GetFileAttributesW(real->c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return cannotWrite(destination, "it is a folder, not a file.");
    if (attributes & FILE_ATTRIBUTE_READONLY) return cannotWrite(destination, reason(ERROR_ACCESS_DENIED));
  }
  const auto old = existed ? stampAt(*real) : std::nullopt;

  AtomicWriter writer;
  writer.destination_ = destination;
  writer.real_ = *real;
  if (readAs && (comparable(*real) == readAs->file ||
                 (old && old->device == readAs->device && old->inode == readAs->inode)))
    writer.readAs_ = *readAs;

  sweepFolder(folder);
  // A named temporary, remembered so that an interrupted program removes it.
  for (int attempt = 0; attempt < 100 && writer.handle_ < 0; ++attempt) {
    const fs::path name = temporaryName(folder);
    HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, kShareAll,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return cannotMakeIn(destination, folder, error);
    }
    writer.handle_ = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (writer.handle_ < 0) {
      ::CloseHandle(handle);
      ::DeleteFileW(name.c_str());
      return cannotWrite(destination, "too many files are open.");
    }
    writer.temp_ = displayPath(name);
  }
  if (writer.handle_ < 0) return cannotMakeIn(destination, folder, ERROR_FILE_EXISTS);
  writer.ticket_ = rememberTemporary(pathFromUtf8(writer.temp_), Temporary::File);
  if (old) writer.replacedNs_ = old->changedNs;
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
  if (!temp_.empty()) ::DeleteFileW(pathFromUtf8(temp_).c_str());
  forgetTemporary(ticket_);
  ticket_ = -1;
  temp_.clear();
}

AtomicWriter::~AtomicWriter() {
  if (handle_ >= 0) ::_close(handle_);
  dropTemp();
}

Result<void> AtomicWriter::failWith(const std::string& why) { return cannotWrite(destination_, why); }

Result<void> AtomicWriter::write(ByteSpan data) {
  std::size_t done = 0;
  while (done < data.size()) {
    DWORD wrote = 0;
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
    if (!::WriteFile(osHandle(handle_), data.data() + done, piece, &wrote, nullptr)) return failWith(reason(::GetLastError()));
    done += wrote;
  }
  return {};
}

Result<void> AtomicWriter::commit() {
  if (handle_ < 0) return failWith("it was already written.");
  fs::path folder = real_.parent_path();
  if (folder.empty()) folder = ".";
  // The new file's time is later than the replaced one's, even where the file system's clock is
  // coarse: a stamp taken of an earlier version never matches it again.
  FILETIME now{};
  ::GetSystemTimePreciseAsFileTime(&now);
  std::int64_t ns = unixNs(now);
  if (ns <= replacedNs_) ns = replacedNs_ + 100;
  const FILETIME written = fileTime(ns);
  ::SetFileTime(osHandle(handle_), nullptr, nullptr, &written);
  const bool flushed = ::FlushFileBuffers(osHandle(handle_));
  const DWORD flushError = ::GetLastError();
  const int handle = handle_;
  handle_ = -1;
  if (::_close(handle) != 0 || !flushed) {
    dropTemp();
    return failWith(reason(flushed ? ERROR_WRITE_FAULT : flushError));
  }

  HANDLE lock = INVALID_HANDLE_VALUE;
  if (readAs_) {
    // The file must still be the one that was read; the lock keeps other writers like this one
    // from replacing it between this check and the rename. It lies far past the file's end, so
    // that readers are not stopped.
    lock = ::CreateFileW(real_.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (lock != INVALID_HANDLE_VALUE) {
      OVERLAPPED beyondEnd{};
      beyondEnd.OffsetHigh = 0x7FFFFFFF;
      ::LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &beyondEnd);
    }
    const auto stamp = stampAt(real_);
    if (!stamp || *stamp != *readAs_) {
      if (lock != INVALID_HANDLE_VALUE) ::CloseHandle(lock);
      dropTemp();
      return fail(strcat(displayPath(destination_), " changed since it was read; nothing was written."));
    }
  }
  const fs::path temp = pathFromUtf8(temp_);
  bool renamed = putInPlace(temp, real_);
  DWORD error = renamed ? 0 : ::GetLastError();
  if (lock != INVALID_HANDLE_VALUE) {
    ::CloseHandle(lock);
    // Where the system does not replace a file that is open, the replacement follows the check.
    if (!renamed && (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION)) {
      renamed = putInPlace(temp, real_);
      error = renamed ? 0 : ::GetLastError();
    }
  }
  if (!renamed) {
    dropTemp();
    if (::GetFileAttributesW(real_.c_str()) != INVALID_FILE_ATTRIBUTES &&
        (::GetFileAttributesW(real_.c_str()) & FILE_ATTRIBUTE_DIRECTORY))
      return failWith("it is a folder, not a file.");
    if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) return cannotMakeIn(destination_, folder, error);
    return failWith(reason(error));
  }
  forgetTemporary(ticket_);
  ticket_ = -1;
  temp_.clear();
  return {};
}

}  // namespace base
