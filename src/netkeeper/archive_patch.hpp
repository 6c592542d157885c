#pragma once
// The Option dialog's logic: blanking the heater and filter ranges of the game's resource
// archive, from a backup copy made beside it, and putting the backup back. No Qt here.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/ui.hpp"

namespace netkeeper {

inline constexpr const char* kOptionCaption = "Option";
inline constexpr const char* kArchiveName = "Brinmoor.rez";
inline constexpr const char* kBackupName = "Brinmoor.org";
inline constexpr const char* kErase = "Erase";
inline constexpr const char* kUndo = "Undo";
inline constexpr const char* kNoOriginal = "There is not original file";

struct EraseRange {
  const char* caption;
  std::uint64_t first, last;  // both included
};
inline constexpr std::array<EraseRange, 4> kEraseRanges = {{{"Heater", 210778, 555729},
                                                            {"Filter", 164550, 192661},
                                                            {"Heater(Layout)", 26236, 51175},
                                                            {"Filter(Layout)", 22608, 25143}}};
using EraseChoice = std::array<bool, kEraseRanges.size()>;

// "Brinmoor.org" in the archive's folder.
std::filesystem::path backupPath(const std::filesystem::path& archive);
// Whether the file is called "Brinmoor.rez" in any case: the picker offers no other.
bool isArchiveName(const std::filesystem::path& file);

// The status lines after Erase and Undo: "Erased Heater and Filter in /games/Brinmoor.rez
// (backup Brinmoor.org)", "Restored /games/Brinmoor.rez from its backup Brinmoor.org".
std::string erasedText(const std::filesystem::path& archive, const std::vector<std::string>& captions);
std::string restoredText(const std::filesystem::path& archive);

class ArchivePatch {
 public:
  explicit ArchivePatch(ui::Ui& ui) : ui_(ui) {}
  ui::Ui& ui() const { return ui_; }
  // "Erase": a backup is made when there is none of the archive's length; then the archive is
  // rewritten from the backup with the chosen ranges zero. Cancelled when no range is chosen,
  // and when Stop ends the copying (the archive as it was). A backup that cannot be made or
  // read leaves the archive as it was, and is told; so does an archive that no longer
  // matches the backup outside the ranges (a new version: the backup would bring back the
  // old one), and one that changed while it was erased. A range that starts past the
  // archive's end is not erased (told); when no ticked range is in the archive, nothing is.
  // Progress counts the bytes copied.
  ui::Outcome erase(const std::filesystem::path& archive, const EraseChoice& choice);
  // The captions of the ranges the last erase blanked (empty unless it was done).
  const std::vector<std::string>& erased() const { return erased_; }
  // "Undo": the backup copied over the archive, when it has the archive's length; otherwise
  // "There is not original file" and the archive is not touched. An archive that no longer
  // matches the backup outside the ranges is refused, as by Erase.
  ui::Outcome undo(const std::filesystem::path& archive);

 private:
  ui::Ui& ui_;
  std::vector<std::string> erased_;
};

}  // namespace netkeeper
