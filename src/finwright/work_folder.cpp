#include "finwright/work_folder.hpp"

#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace finwright {

namespace fs = std::filesystem;

WorkFolder::WorkFolder(const fs::path& temp) {
  std::error_code ec;
  const fs::path base = (temp.empty() ? fs::temp_directory_path(ec) : temp) / kWorkFolderName;
  std::random_device random;
  // A name of its own per copy; a clash with a folder left by a crashed copy is skipped.
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = base / base::strcat("work-", std::hex, random(), random());
    fs::create_directories(base, ec);
    if (fs::create_directory(path_, ec)) return;
  }
}

WorkFolder::~WorkFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
  fs::remove(path_.parent_path(), ec);  // only when no other copy still works there
}

base::Result<void> WorkFolder::empty() const {
  // The folder itself stays: while it is there, another copy's exit never removes the folder
  // above it (which would make recreating this one fail half way).
  std::error_code ec;
  if (!fs::is_directory(path_, ec)) fs::create_directories(path_, ec);
  std::vector<fs::path> entries;
  if (!ec)
    for (const auto& entry : fs::directory_iterator(path_, ec)) entries.push_back(entry.path());
  for (const auto& entry : entries)
    if (!ec) fs::remove_all(entry, ec);
  if (ec) return base::fail(base::strcat("Cannot prepare the work folder ", base::displayPath(path_), ": ", ec.message(), "."));
  return {};
}

}  // namespace finwright
