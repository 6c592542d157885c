#pragma once
// The preview's temp folder: the sound being previewed is written there so that the player
// can open it. Each running copy of orbisk has a folder of its own under "OrbTemp" in the
// user's own temporary folder (base::userTemporaryFolder), so that one copy's exit never
// deletes the sound another copy is playing, and two people never share a folder at all.
#include <filesystem>
#include <optional>
#include <string>

#include "base/copy_folder.hpp"
#include "base/error.hpp"

namespace orbisk {

inline constexpr const char* kTempFolderName = "OrbTemp";
inline constexpr const char* kTempWave = "Temp0000.WAV";
inline constexpr const char* kTempMidi = "Temp0000.MID";
inline constexpr const char* kTempRendered = "TempMidi.WAV";  // the MIDI sound rendered for the player
inline constexpr const char* kCopyFolderPrefix = "copy-";

class PreviewFolder {
 public:
  // "OrbTemp" goes into `root`; when empty, into the user's own temporary folder.
  explicit PreviewFolder(std::filesystem::path root = {});
  // Removes what remove() would, quietly, unless remove() ran.
  ~PreviewFolder();
  PreviewFolder(const PreviewFolder&) = delete;
  PreviewFolder& operator=(const PreviewFolder&) = delete;

  // Removes the folders in "OrbTemp" of copies that are gone (killed before they could clean
  // up), and "OrbTemp" when nothing is left in it. Makes nothing.
  void sweep() const;

  // This copy's folder, made on first use (with "OrbTemp" when missing).
  base::Result<std::filesystem::path> ensure();
  // The folder once made.
  const std::optional<std::filesystem::path>& folder() const { return folder_; }

  // At exit: deletes the temp files and this copy's folder, then "OrbTemp" when nothing else
  // is left in it. A folder that cannot be removed (someone put other files in it) gives the
  // message that says so; nothing when all went, or when the only things left in "OrbTemp"
  // are other running copies' folders.
  std::optional<std::string> remove();

 private:
  std::filesystem::path root_;
  std::optional<base::CopyFolder> copy_;
  std::optional<std::filesystem::path> folder_;
  bool removed_ = false;
};

}  // namespace orbisk
