#pragma once
// Files opened the system's way, for the tools that stream or map large files: reading at an
// offset, mapping a whole file read-only, and writing a new file beside its destination that
// replaces the destination only when committed. The system-specific halves live in platform/.
#include <cstdint>
#include <filesystem>
#include <span>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace base {

// What tells one version of a file from the next: its size and the time of its last change.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// A file opened for reading only.
class ReadOnlyFile {
 public:
  // Fails with a message naming the file when it is missing, not a plain file, or unreadable.
  static Result<ReadOnlyFile> open(const std::filesystem::path& path);
  ReadOnlyFile(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile& operator=(ReadOnlyFile&&) = delete;
  ~ReadOnlyFile();

  std::uint64_t size() const { return size_; }
  // The file as it is now (its size and last change); a stamp of zeros when the system cannot tell.
  FileStamp stamp() const;
  // Reads up to buffer.size() bytes at offset; returns how many (0 at or past the end).
  Result<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;

 private:
  friend class MappedFile;
  ReadOnlyFile(int handle, std::uint64_t size, std::filesystem::path path) : handle_(handle), size_(size), path_(std::move(path)) {}
  int handle_;
  std::uint64_t size_;
  std::filesystem::path path_;
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

// A new file beside `destination`, written piece by piece; commit() renames it over the
// destination. Dropped without a commit, it is removed and the destination stays as it was.
class AtomicWriter {
 public:
  static Result<AtomicWriter> create(const std::filesystem::path& destination);
  AtomicWriter(AtomicWriter&& other) noexcept;
  AtomicWriter& operator=(AtomicWriter&&) = delete;
  ~AtomicWriter();

  Result<void> write(ByteSpan data);
  Result<void> commit();

 private:
  AtomicWriter(int handle, std::filesystem::path temp, std::filesystem::path destination)
      : handle_(handle), temp_(std::move(temp)), destination_(std::move(destination)) {}
  Result<void> failWith(const std::string& reason);
  int handle_;
  std::filesystem::path temp_, destination_;
};

}  // namespace base
