#pragma once
// The builder's work folder: "RidoZovidor" in the user's own temporary folder
// (base::userTemporaryFolder), with a folder of its own for each running copy so that two
// copies never mix their frames. Removed, with everything in it, when the object goes.
#include <filesystem>
#include <optional>
#include <string>

#include "base/copy_folder.hpp"
#include "base/error.hpp"

namespace finwright {

inline constexpr const char* kWorkFolderName = "RidoZovidor";

class WorkFolder {
 public:
  // Makes the folder under `temp` (the user's own temporary folder when empty).
  explicit WorkFolder(const std::filesystem::path& temp = {});

  // Empty when the user's temporary folder could not be found.
  const std::filesystem::path& path() const;
  // Removes everything in it, making it again if it went missing; fails with the reason when
  // the user's temporary folder could not be found.
  base::Result<void> empty() const;

 private:
  std::optional<base::CopyFolder> folder_;
  std::string problem_;  // why there is no folder
};

}  // namespace finwright
