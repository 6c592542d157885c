#pragma once
// Whole-file reading with a size limit, and atomic replacement of a file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace base {

struct FileStamp;

// Reads the whole file. A file longer than maxBytes is refused with a message that names the
// file and the limit, before anything is read; so is anything but a plain file (a pipe is
// refused at once, not waited on). `stamp`, when given, receives what the file was when it
// was read, for a later write over it (see AtomicWriter).
Result<Bytes> readFile(const std::filesystem::path& path, std::size_t maxBytes, FileStamp* stamp = nullptr);

// Writes data to a temporary file in the destination's folder and renames it over the
// destination only when it is complete: a failure leaves any old file as it was. With
// `readAs`, a write over the file it stamps writes nothing when that file changed since.
Result<void> writeFileAtomically(const std::filesystem::path& path, ByteSpan data, const FileStamp* readAs = nullptr);

// Copies a file of any size, streaming, to a new file beside `to` that replaces it only when
// complete. `change`, when given, may alter each piece read (its offset in the file and bytes)
// before it is written.
using PieceChange = std::function<void(std::uint64_t offset, std::span<std::uint8_t> piece)>;
Result<void> copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                                const PieceChange& change = {}, const FileStamp* readAs = nullptr);

// The path as the person would type it, for messages.
std::string displayPath(const std::filesystem::path& path);

// "1,000,001" for messages about limits.
std::string withThousands(std::uint64_t value);

}  // namespace base
