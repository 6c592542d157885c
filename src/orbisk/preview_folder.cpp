#include "orbisk/preview_folder.hpp"

#include <system_error>

#include "base/file_io.hpp"
#include "base/system.hpp"
#include "orbisk/preview_text.hpp"

namespace orbisk {

namespace fs = std::filesystem;

PreviewFolder::PreviewFolder(fs::path programFolder, fs::path fallbackRoot)
    : programFolder_(std::move(programFolder)), fallbackRoot_(std::move(fallbackRoot)) {}

PreviewFolder::~PreviewFolder() {
  if (!removed_) (void)remove();
}

base::Result<fs::path> PreviewFolder::ensure() {
  std::error_code ec;
  if (copy_ && fs::is_directory(copy_->path(), ec)) return copy_->path();
  base::Result<void> made = base::fail("");
  if (base::isWritableFolder(programFolder_)) {
    copy_.emplace(programFolder_ / kTempFolderName, kCopyFolderPrefix);
    made = copy_->make();
  }
  if (!made) {
    copy_.emplace(fallbackRoot_ / kTempFolderName, kCopyFolderPrefix);
    if (auto fallback = copy_->make(); !fallback) {
      copy_.reset();
      folder_.reset();
      return std::unexpected(made.error().message.empty() ? fallback.error() : made.error());
    }
  }
  folder_ = copy_->path();
  removed_ = false;
  return *folder_;
}

std::optional<std::string> PreviewFolder::remove() {
  removed_ = true;
  if (!copy_) return std::nullopt;
  std::error_code ec;
  for (const char* name : {kTempWave, kTempMidi, kTempRendered}) fs::remove(copy_->path() / name, ec);
  // Anything else in this copy's folder, or in "OrbTemp" besides other copies' folders, was
  // put there by someone: it stays, and the message says where.
  const auto kept = copy_->release(base::CopyFolder::Contents::Kept);
  copy_.reset();
  folder_.reset();
  if (kept) return tempFolderMessage(base::displayPath(*kept));
  return std::nullopt;
}

}  // namespace orbisk
