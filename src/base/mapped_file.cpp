// The mapped file's members that do not depend on the system; mapping and unmapping are in
// platform/files_*.cpp.
#include "base/files.hpp"
#include "base/platform/mapping_guard.hpp"

namespace base {

MappedFile::MappedFile(ReadOnlyFile file, void* address, std::size_t size)
    : file_(std::move(file)), address_(address), size_(size), guard_(platform::guardMapping(address, size)),
      stamp_(file_.stamp()) {}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : file_(std::move(other.file_)), address_(other.address_), size_(other.size_), guard_(other.guard_), stamp_(other.stamp_) {
  other.address_ = nullptr;
  other.size_ = 0;
  other.guard_ = -1;
}

bool MappedFile::changed() const { return platform::mappingFaulted(guard_) || file_.current() != stamp_; }

}  // namespace base
