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

// Reads the whole file. A file longer than maxBytes is refused with a message that names the
// file and the limit, before anything is read.
Result<Bytes> readFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes data to a temporary file in the destination's folder and renames it over the
// destination only when it is complete: a failure leaves any old file as it was.
Result<void> writeFileAtomically(const std::filesystem::path& path, ByteSpan data);

// Copies a file of any size, streaming, to a new file beside `to` that replaces it only when
// complete. `change`, when given, may alter each piece read (its offset in the file and bytes)
// before it is written.
using PieceChange = std::function<void(std::uint64_t offset, std::span<std::uint8_t> piece)>;
Result<void> copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                                const PieceChange& change = {});

// The path as the person would type it, for messages.
std::string displayPath(const std::filesystem::path& path);

// "1,000,001" for messages about limits.
std::string withThousands(std::uint64_t value);

}  // namespace base
