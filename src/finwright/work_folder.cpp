#include "finwright/work_folder.hpp"

#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/user_folders.hpp"

namespace finwright {

namespace fs = std::filesystem;

WorkFolder::WorkFolder(const fs::path& temp) {
  fs::path root = temp;
  if (root.empty()) {
    auto own = base::userTemporaryFolder();
    if (!own) {
      problem_ = own.error().message;
      return;
    }
    root = *own;
  }
  folder_.emplace(root / kWorkFolderName, "work-");
  (void)folder_->make();  // a folder that cannot be made now is tried again when a build empties it
}

const fs::path& WorkFolder::path() const {
  static const fs::path none;
  return folder_ ? folder_->path() : none;
}

base::Result<void> WorkFolder::empty() const {
  if (!folder_) return base::fail(problem_);
  // The folder itself stays: while it is there, another copy's exit never removes the folder
  // above it (which would make recreating this one fail half way).
  if (auto ec = folder_->clear())
    return base::fail(base::strcat("Cannot prepare the work folder ", base::displayPath(path()), ": ", ec.message(), "."));
  return {};
}

}  // namespace finwright
