#pragma once
// Saving one resource: its bytes copied unchanged from the scanned file into a new file,
// streamed in chunks (the scanned file is opened read-only) and written atomically.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "base/error.hpp"
#include "orbisk/scan.hpp"

namespace orbisk {

struct SavedResource {
  std::uint64_t bytes = 0;  // bytes written
  bool truncated = false;   // the resource runs past the scanned file's end: only the bytes there were written
  bool stopped = false;     // STOP during the copy: nothing was written, any old target is untouched
};

// Copies resource.size bytes from resource.start of `scanned` (fewer when the file ends
// first) to `target`, replacing it atomically. progress.progress() gets bytes copied / size.
// Writes nothing and fails when the file is no longer as scanned (`scannedAs`, the scan's
// stamp): "FILE changed since it was scanned. …", or when it changes during the copy: "FILE
// changed while it was being saved."
base::Result<SavedResource> saveResource(const std::filesystem::path& scanned, const Resource& resource,
                                         const std::filesystem::path& target, ui::Progress& progress = ui::noProgress(),
                                         std::optional<base::FileStamp> scannedAs = std::nullopt);

}  // namespace orbisk

namespace orbisk {

// The resource's bytes, read into memory: those present when it runs past the file's end.
// Fails when the file cannot be read or the resource is larger than maxBytes, and as
// saveResource does when the file is no longer as scanned or changes while it is read.
base::Result<base::Bytes> readResource(const std::filesystem::path& scanned, const Resource& resource,
                                       std::uint64_t maxBytes, std::optional<base::FileStamp> scannedAs = std::nullopt);

}  // namespace orbisk
