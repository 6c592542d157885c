#include "finwright/work_folder.hpp"

#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace finwright {

namespace fs = std::filesystem;

namespace {

fs::path sharedFolder(const fs::path& temp) {
  std::error_code ec;
  return (temp.empty() ? fs::temp_directory_path(ec) : temp) / kWorkFolderName;
}

}  // namespace

WorkFolder::WorkFolder(const fs::path& temp) : folder_(sharedFolder(temp), "work-") {
  (void)folder_.make();  // a folder that cannot be made now is tried again when a build empties it
}

base::Result<void> WorkFolder::empty() const {
  // The folder itself stays: while it is there, another copy's exit never removes the folder
  // above it (which would make recreating this one fail half way).
  if (auto ec = folder_.clear())
    return base::fail(base::strcat("Cannot prepare the work folder ", base::displayPath(path()), ": ", ec.message(), "."));
  return {};
}

}  // namespace finwright
