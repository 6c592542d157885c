#include "base/copy_folder.hpp"

#include <random>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/system.hpp"
#include "base/temporaries.hpp"
#include "base/utf8.hpp"

namespace base {

namespace fs = std::filesystem;

namespace {

std::string randomName(const std::string& prefix) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::random_device device;
  std::mt19937_64 random((std::uint64_t{device()} << 32) ^ device());
  std::string name = strcat(prefix, processId(), "-");
  for (std::uint64_t v = random(), i = 0; i < 8; ++i, v >>= 4) name += kHex[v & 15];
  return name;
}

// The program that made a copy's folder, from its name (prefix, number, "-", 8 digits); 0
// for any other name.
std::uint64_t ownerOf(const std::string& name, const std::string& prefix) {
  if (name.rfind(prefix, 0) != 0) return 0;
  const auto dash = name.find('-', prefix.size());
  if (dash == std::string::npos || dash == prefix.size() || dash - prefix.size() > 10 || name.size() != dash + 9) return 0;
  const std::string digits = name.substr(prefix.size(), dash - prefix.size());
  if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoull(digits);
}

// Removes the folders of copies whose program is gone: killed before it could remove them.
void sweepOrphans(const fs::path& shared, const std::string& prefix) {
  std::error_code ec;
  std::vector<fs::path> orphans;
  for (const auto& entry : fs::directory_iterator(shared, ec)) {
    const auto owner = ownerOf(displayPath(entry.path().filename()), prefix);
    if (owner != 0 && owner != processId() && !processRunning(owner) && entry.is_directory(ec)) orphans.push_back(entry.path());
  }
  for (const auto& orphan : orphans) fs::remove_all(orphan, ec);
}

// True when `folder` holds nothing but folders named with `prefix`: other copies' own.
bool onlyCopyFolders(const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = displayPath(entry.path().filename());
    if (!entry.is_directory(ec) || name.rfind(prefix, 0) != 0) return false;
  }
  return !ec;
}

}  // namespace

CopyFolder::CopyFolder(fs::path shared, std::string prefix)
    : shared_(std::move(shared)), path_(shared_ / pathFromUtf8(randomName(prefix))), prefix_(std::move(prefix)) {}

CopyFolder::~CopyFolder() {
  if (!released_) (void)release(Contents::Removed);
  forgetTemporary(ticket_);
}

Result<void> CopyFolder::make() {
  std::error_code ec;
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Made again on every attempt: another copy's exit may have just removed it.
    fs::create_directories(shared_, ec);
    if (!fs::is_directory(shared_, ec)) return fail(strcat("Cannot make the folder ", displayPath(shared_), "."));
    if (attempt == 0) sweepOrphans(shared_, prefix_);
    if (fs::create_directory(path_, ec)) {
      fs::permissions(path_, fs::perms::owner_all, fs::perm_options::replace, ec);  // this user's alone
      released_ = false;
      forgetTemporary(ticket_);
      ticket_ = rememberTemporary(path_, Temporary::FolderInShared);
      return {};
    }
    path_ = shared_ / pathFromUtf8(randomName(prefix_));  // a clash, perhaps with a folder a crashed copy left
  }
  return fail(strcat("Cannot make a folder in ", displayPath(shared_), (ec ? ": " + ec.message() : ""), "."));
}

void CopyFolder::sweep(const fs::path& shared, const std::string& prefix) {
  std::error_code ec;
  if (!fs::is_directory(shared, ec)) return;
  sweepOrphans(shared, prefix);
  if (fs::is_empty(shared, ec) && !ec) fs::remove(shared, ec);  // fails harmlessly when a copy just made its own
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
  forgetTemporary(ticket_);
  ticket_ = -1;
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
