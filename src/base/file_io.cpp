#include "base/file_io.hpp"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "base/files.hpp"
#include "base/strcat.hpp"

namespace base {

std::string displayPath(const std::filesystem::path& path) {
  auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string withThousands(std::uint64_t value) {
  auto digits = std::to_string(value);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

Result<Bytes> readFile(const std::filesystem::path& path, std::size_t maxBytes, FileStamp* stamp) {
  auto file = ReadOnlyFile::open(path);
  if (!file) return std::unexpected(file.error());
  const std::uint64_t size = file->size();
  if (size > maxBytes)
    return fail(strcat("Cannot read ", displayPath(path), ": the file is ", withThousands(size),
                       " bytes long, more than the ", withThousands(maxBytes), " bytes this tool can take."));
  Bytes data(static_cast<std::size_t>(size));
  for (std::size_t done = 0; done < data.size();) {
    auto got = file->readAt(done, std::span(data).subspan(done));
    if (!got) return std::unexpected(got.error());
    if (*got == 0) return fail(strcat("Cannot read ", displayPath(path), ": the read failed part way."));
    done += *got;
  }
  if (stamp) *stamp = file->stamp();
  return data;
}

Result<void> writeFileAtomically(const std::filesystem::path& path, ByteSpan data, const FileStamp* readAs) {
  auto writer = AtomicWriter::create(path, readAs);
  if (!writer) return std::unexpected(writer.error());
  if (auto ok = writer->write(data); !ok) return ok;
  return writer->commit();
}

Result<void> copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                                const PieceChange& change, const FileStamp* readAs) {
  auto source = ReadOnlyFile::open(from);
  if (!source) return std::unexpected(source.error());
  auto writer = AtomicWriter::create(to, readAs);
  if (!writer) return std::unexpected(writer.error());
  Bytes piece(std::size_t{1} << 20);
  for (std::uint64_t offset = 0; offset < source->size();) {
    auto got = source->readAt(offset, piece);
    if (!got) return std::unexpected(got.error());
    if (*got == 0) return fail(strcat("Cannot read ", displayPath(from), ": it ended early."));
    std::span<std::uint8_t> part(piece.data(), *got);
    if (change) change(offset, part);
    if (auto ok = writer->write(part); !ok) return ok;
    offset += *got;
  }
  return writer->commit();
}

}  // namespace base
