#pragma once
// Files opened the system's way, for the tools that stream or map large files: reading at an
// offset, mapping a whole file read-only, and writing a new file beside its destination that
// replaces the destination only when committed. The system-specific halves live in platform/.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <span>
#include <utility>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace base {

// What a file was when it was read: which file (its real path and its device and inode), how
// long, and when it was last changed. An editor that replaces the file it read hands it to the
// write, which then writes nothing when the file changed in between.
struct FileStamp {
  std::filesystem::path file;  // absolute, with symbolic links followed
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t changedNs = 0;
  // The same version of the same file, wherever it was reached from.
  bool operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size && changedNs == other.changedNs;
  }
};

// Where writing `path` lands: symbolic links followed to the file they name, which need not
// exist yet. Fails for a loop of links.
Result<std::filesystem::path> followLinks(const std::filesystem::path& path);

// A file opened for reading only.
class ReadOnlyFile {
 public:
  // Fails with a message naming the file when it is missing, not a plain file (a folder, a
  // pipe: refused at once, never waited on), or unreadable.
  static Result<ReadOnlyFile> open(const std::filesystem::path& path);
  ReadOnlyFile(ReadOnlyFile&& other) noexcept
      : handle_(std::exchange(other.handle_, -1)), size_(other.size_), path_(std::move(other.path_)),
        device_(other.device_), inode_(other.inode_), changedNs_(other.changedNs_) {}
  ReadOnlyFile& operator=(ReadOnlyFile&&) = delete;
  ~ReadOnlyFile();

  std::uint64_t size() const { return size_; }
  // The file as it is now, asked again of the system; a stamp of zeros when the system cannot tell.
  FileStamp current() const;
  // Reads up to buffer.size() bytes at offset; returns how many (0 at or past the end).
  Result<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;
  // The file as it was opened.
  FileStamp stamp() const;

 private:
  friend class MappedFile;
  ReadOnlyFile(int handle, std::uint64_t size, std::filesystem::path path) : handle_(handle), size_(size), path_(std::move(path)) {}
  int handle_;
  std::uint64_t size_;
  std::filesystem::path path_;
  std::uint64_t device_ = 0, inode_ = 0;
  std::int64_t changedNs_ = 0;
};

// A whole file mapped read-only into memory. A file that shrinks while it is mapped reads as
// zeros past its new end instead of ending the program; changed() then tells.
class MappedFile {
 public:
  static Result<MappedFile> map(const std::filesystem::path& path);
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&&) = delete;
  ~MappedFile();

  ByteSpan bytes() const { return {static_cast<const std::uint8_t*>(address_), size_}; }
  // The file as it was when mapped.
  const FileStamp& stamp() const { return stamp_; }
  // True when the file changed since it was mapped: a read past its new end, another size or
  // another time of last change. The bytes read before may then be a mix of old and new.
  bool changed() const;

 private:
  MappedFile(ReadOnlyFile file, void* address, std::size_t size);
  ReadOnlyFile file_;  // kept open to compare its stamp
  void* address_;
  std::size_t size_;
  int guard_ = -1;
  FileStamp stamp_;
};

// A new file beside `destination`, written piece by piece; commit() puts it in the
// destination's place. Dropped without a commit, it is removed and the destination stays as it
// was. A destination that is a symbolic link has the file it names replaced; a replaced file
// keeps its permissions (and owner and group where this process may set them). The new file
// has no name until commit() (or a short hidden one where the file system cannot do that), so
// every legal name can be written, and an interrupted program leaves nothing behind.
class AtomicWriter {
 public:
  // With `readAs`, the stamp of a file read earlier: when the destination is that file,
  // commit() writes nothing and fails if it changed since ("FILE changed since it was read;
  // nothing was written."). The check and the replacement hold an advisory lock on the file,
  // so two such writers never both succeed over one version.
  static Result<AtomicWriter> create(const std::filesystem::path& destination, const FileStamp* readAs = nullptr);
  AtomicWriter(AtomicWriter&& other) noexcept;
  AtomicWriter& operator=(AtomicWriter&&) = delete;
  ~AtomicWriter();

  Result<void> write(ByteSpan data);
  Result<void> commit();

 private:
  AtomicWriter() = default;
  Result<void> failWith(const std::string& reason);
  void dropTemp();
  int handle_ = -1;
  bool unnamed_ = false;       // made with no name: linked in at commit
  int ticket_ = -1;            // the named temporary's place among those removed on a signal
  std::string temp_;           // the named temporary, when there is one
  std::filesystem::path destination_, real_;
  std::optional<FileStamp> readAs_;
  std::int64_t replacedNs_ = -1;  // when the file replaced was last changed
};

}  // namespace base
