#pragma once
// The builder's work folder: "RidoZovidor" in the system's temporary folder, with a folder of
// its own for each running copy so that two copies never mix their frames. Removed, with
// everything in it, when the object goes.
#include <filesystem>

#include "base/error.hpp"

namespace finwright {

inline constexpr const char* kWorkFolderName = "RidoZovidor";

class WorkFolder {
 public:
  // Makes the folder under `temp` (the system's temporary folder when empty).
  explicit WorkFolder(const std::filesystem::path& temp = {});
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Removes everything in it, making it again if it went missing.
  base::Result<void> empty() const;

 private:
  std::filesystem::path path_;
};

}  // namespace finwright
