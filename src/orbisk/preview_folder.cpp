#include "orbisk/preview_folder.hpp"

#include <system_error>

#include "base/file_io.hpp"
#include "base/user_folders.hpp"
#include "orbisk/preview_text.hpp"

namespace orbisk {

namespace fs = std::filesystem;

PreviewFolder::PreviewFolder(fs::path root) : root_(std::move(root)) {}

PreviewFolder::~PreviewFolder() {
  if (!removed_) (void)remove();
}

void PreviewFolder::sweep() const {
  const fs::path root = root_.empty() ? base::userTemporaryFolder().value_or(fs::path()) : root_;
  if (!root.empty()) base::CopyFolder::sweep(root / kTempFolderName, kCopyFolderPrefix);
}

base::Result<fs::path> PreviewFolder::ensure() {
  std::error_code ec;
  if (copy_ && fs::is_directory(copy_->path(), ec)) return copy_->path();
  fs::path root = root_;
  if (root.empty()) {
    auto own = base::userTemporaryFolder();
    if (!own) return std::unexpected(own.error());
    root = *own;
  }
  copy_.emplace(root / kTempFolderName, kCopyFolderPrefix);
  if (auto made = copy_->make(); !made) {
    copy_.reset();
    folder_.reset();
    return std::unexpected(made.error());
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
