#include "base/copy_folder.hpp"

#include <random>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace base {

namespace fs = std::filesystem;

namespace {

std::string randomName(const std::string& prefix) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::random_device device;
  std::mt19937_64 random((std::uint64_t{device()} << 32) ^ device());
  std::string name = prefix;
  for (std::uint64_t v = random(), i = 0; i < 12; ++i, v >>= 4) name += kHex[v & 15];
  return name;
}

// True when `folder` holds nothing but folders named with `prefix`: other copies' own.
bool onlyCopyFolders(const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_directory(ec) || name.rfind(prefix, 0) != 0) return false;
  }
  return !ec;
}

}  // namespace

CopyFolder::CopyFolder(fs::path shared, std::string prefix)
    : shared_(std::move(shared)), path_(shared_ / randomName(prefix)), prefix_(std::move(prefix)) {}

CopyFolder::~CopyFolder() {
  if (!released_) (void)release(Contents::Removed);
}

Result<void> CopyFolder::make() {
  std::error_code ec;
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Made again on every attempt: another copy's exit may have just removed it.
    fs::create_directories(shared_, ec);
    if (!fs::is_directory(shared_, ec)) return fail(strcat("Cannot make the folder ", displayPath(shared_), "."));
    if (fs::create_directory(path_, ec)) {
      released_ = false;
      return {};
    }
    path_ = shared_ / randomName(prefix_);  // a clash, perhaps with a folder a crashed copy left
  }
  return fail(strcat("Cannot make a folder in ", displayPath(shared_), (ec ? ": " + ec.message() : ""), "."));
}

std::error_code CopyFolder::clear() const {
  std::error_code ec;
  if (!fs::is_directory(path_, ec)) fs::create_directories(path_, ec);
  std::vector<fs::path> entries;
  if (!ec)
    for (const auto& entry : fs::directory_iterator(path_, ec)) entries.push_back(entry.path());
  for (const auto& entry : entries)
    if (!ec) fs::remove_all(entry, ec);
  return ec;
}

std::optional<fs::path> CopyFolder::release(Contents contents) {
  released_ = true;
  std::error_code ec;
  if (contents == Contents::Removed)
    fs::remove_all(path_, ec);
  else if (fs::exists(path_, ec) && !fs::remove(path_, ec))
    return path_;
  if (fs::remove(shared_, ec) || !fs::exists(shared_, ec)) return std::nullopt;
  if (onlyCopyFolders(shared_, prefix_)) return std::nullopt;
  return shared_;
}

}  // namespace base
