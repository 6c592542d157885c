#include "orbisk/save.hpp"

#include <algorithm>
#include <vector>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/strcat.hpp"

namespace orbisk {

namespace {
constexpr std::size_t kChunk = 1u << 20;

// The file as the scan saw it, or why not.
base::Result<void> asScanned(const std::filesystem::path& scanned, const base::ReadOnlyFile& in,
                             const std::optional<base::FileStamp>& scannedAs) {
  if (scannedAs && in.stamp() != *scannedAs)
    return base::fail(base::strcat(base::displayPath(scanned), " changed since it was scanned. Find its resources again."));
  return {};
}

// The file read through unchanged, or why not.
base::Result<void> unchanged(const std::filesystem::path& scanned, const base::ReadOnlyFile& in, const base::FileStamp& before) {
  if (in.current() != before) return base::fail(base::strcat(base::displayPath(scanned), " changed while it was being saved."));
  return {};
}
}  // namespace

base::Result<SavedResource> saveResource(const std::filesystem::path& scanned, const Resource& resource,
                                         const std::filesystem::path& target, ui::Progress& progress,
                                         std::optional<base::FileStamp> scannedAs) {
  auto in = base::ReadOnlyFile::open(scanned);
  if (!in) return std::unexpected(in.error());
  if (auto ok = asScanned(scanned, *in, scannedAs); !ok) return std::unexpected(ok.error());
  const base::FileStamp before = in->stamp();
  const std::uint64_t fileSize = in->size();
  const std::uint64_t available = resource.start >= fileSize ? 0 : std::min(resource.size, fileSize - resource.start);
  auto out = base::AtomicWriter::create(target);
  if (!out) return std::unexpected(out.error());

  SavedResource saved;
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, std::max<std::uint64_t>(available, 1))));
  std::uint64_t done = 0;
  while (done < available) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), available - done));
    auto n = in->readAt(resource.start + done, std::span(buffer).first(want));
    if (!n) return std::unexpected(n.error());
    if (*n == 0) break;  // the file got shorter since the scan
    if (auto ok = out->write(std::span(buffer).first(*n)); !ok) return std::unexpected(ok.error());
    done += *n;
    progress.progress(done, resource.size);
    if (progress.stopRequested()) {
      saved.stopped = true;  // the unfinished file goes with the writer
      return saved;
    }
  }
  if (auto ok = unchanged(scanned, *in, before); !ok) return std::unexpected(ok.error());
  if (auto ok = out->commit(); !ok) return std::unexpected(ok.error());
  saved.bytes = done;
  saved.truncated = done < resource.size;
  return saved;
}

}  // namespace orbisk

namespace orbisk {

base::Result<base::Bytes> readResource(const std::filesystem::path& scanned, const Resource& resource,
                                       std::uint64_t maxBytes, std::optional<base::FileStamp> scannedAs) {
  auto in = base::ReadOnlyFile::open(scanned);
  if (!in) return std::unexpected(in.error());
  if (auto ok = asScanned(scanned, *in, scannedAs); !ok) return std::unexpected(ok.error());
  const base::FileStamp before = in->stamp();
  const std::uint64_t available = resource.start >= in->size() ? 0 : std::min(resource.size, in->size() - resource.start);
  if (available > maxBytes)
    return base::fail(base::strcat(resource.name, " holds ", base::withThousands(available), " bytes; at most ",
                                   base::withThousands(maxBytes), " are read for a preview."));
  base::Bytes bytes(static_cast<std::size_t>(available));
  std::size_t done = 0;
  while (done < bytes.size()) {
    auto n = in->readAt(resource.start + done, std::span(bytes).subspan(done));
    if (!n) return std::unexpected(n.error());
    if (*n == 0) break;  // the file got shorter since the scan
    done += *n;
  }
  if (auto ok = unchanged(scanned, *in, before); !ok) return std::unexpected(ok.error());
  bytes.resize(done);
  return bytes;
}

}  // namespace orbisk
