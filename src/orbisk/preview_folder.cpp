#include "orbisk/preview_folder.hpp"

#include <unistd.h>

#include <random>
#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "orbisk/preview_text.hpp"

namespace orbisk {

namespace fs = std::filesystem;

namespace {

bool writableFolder(const fs::path& folder) {
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

// A new folder of this copy's own inside root/OrbTemp: made with a random name until one is new.
base::Result<fs::path> makeCopyFolder(const fs::path& root) {
  std::error_code ec;
  const fs::path temp = root / kTempFolderName;
  fs::create_directory(temp, ec);
  if (!fs::is_directory(temp, ec)) return base::fail(base::strcat("Cannot make the folder ", base::displayPath(temp), "."));
  std::random_device device;
  std::mt19937_64 random((std::uint64_t{device()} << 32) ^ device());
  for (int attempt = 0; attempt < 100; ++attempt) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = kCopyFolderPrefix;
    for (std::uint64_t v = random(), i = 0; i < 12; ++i, v >>= 4) name += kHex[v & 15];
    const fs::path folder = temp / name;
    if (fs::create_directory(folder, ec)) return folder;
    if (ec) break;
  }
  return base::fail(base::strcat("Cannot make a folder in ", base::displayPath(temp), (ec ? ": " + ec.message() : ""), "."));
}

bool onlyCopyFolders(const fs::path& folder) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_directory(ec) || name.rfind(kCopyFolderPrefix, 0) != 0) return false;
  }
  return !ec;
}

}  // namespace

PreviewFolder::PreviewFolder(fs::path programFolder, fs::path fallbackRoot)
    : programFolder_(std::move(programFolder)), fallbackRoot_(std::move(fallbackRoot)) {}

PreviewFolder::~PreviewFolder() {
  if (!removed_) (void)remove();
}

base::Result<fs::path> PreviewFolder::ensure() {
  std::error_code ec;
  if (folder_ && fs::is_directory(*folder_, ec)) return *folder_;
  base::Result<fs::path> made = base::fail("");
  if (writableFolder(programFolder_)) made = makeCopyFolder(programFolder_);
  if (!made) {
    auto fallback = makeCopyFolder(fallbackRoot_);
    if (!fallback) return std::unexpected(made.error().message.empty() ? fallback.error() : made.error());
    made = fallback;
  }
  folder_ = *made;
  removed_ = false;
  return *folder_;
}

std::optional<std::string> PreviewFolder::remove() {
  removed_ = true;
  if (!folder_) return std::nullopt;
  std::error_code ec;
  for (const char* name : {kTempWave, kTempMidi, kTempRendered}) fs::remove(*folder_ / name, ec);
  const fs::path own = *folder_;
  const fs::path temp = own.parent_path();
  folder_.reset();
  if (fs::exists(own, ec) && !fs::remove(own, ec)) return tempFolderMessage(base::displayPath(own));
  if (fs::remove(temp, ec) || !fs::exists(temp, ec)) return std::nullopt;
  // Other running copies' folders may stay; anything else was put there by someone.
  if (onlyCopyFolders(temp)) return std::nullopt;
  return tempFolderMessage(base::displayPath(temp));
}

}  // namespace orbisk
