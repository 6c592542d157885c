#pragma once
// The builder's work folder: "RidoZovidor" in the system's temporary folder, with a folder of
// its own for each running copy so that two copies never mix their frames. Removed, with
// everything in it, when the object goes.
#include <filesystem>

#include "base/copy_folder.hpp"
#include "base/error.hpp"

namespace finwright {

inline constexpr const char* kWorkFolderName = "RidoZovidor";

class WorkFolder {
 public:
  // Makes the folder under `temp` (the system's temporary folder when empty).
  explicit WorkFolder(const std::filesystem::path& temp = {});

  const std::filesystem::path& path() const { return folder_.path(); }
  // Removes everything in it, making it again if it went missing.
  base::Result<void> empty() const;

 private:
  base::CopyFolder folder_;
};

}  // namespace finwright
