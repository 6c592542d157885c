#pragma once
// finsplit's user actions, shared by its window and its command line.
#include <cstddef>
#include <filesystem>
#include <string>

#include "ui/ui.hpp"

namespace finsplit {

constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionRevision = 0;

// "FinSplit for BRINMOOR    Ver1.0.0"
std::string windowCaption();

inline constexpr const char* kOpenTitle = "OPEN";
inline constexpr const char* kOpenFilter = "Brinmoor Fish file(*.fsh)|*.fsh";

struct CutResult {
  ui::Outcome outcome = ui::Outcome::Cancelled;
  std::size_t written = 0;
  std::filesystem::path file;  // the fish file cut, once done
};

class Finsplit {
 public:
  Finsplit(ui::Ui& ui, std::filesystem::path saveFolder) : ui_(ui), saveFolder_(std::move(saveFolder)) {}

  const std::filesystem::path& saveFolder() const { return saveFolder_; }

  // SetFolder: the folder dialog; OK makes its folder the save folder.
  void setFolder();
  // The cut button: the "OPEN" dialog, then the cut of the chosen file.
  CutResult cut();
  // Cuts a fish file into the save folder as "0000.bmp", "0001.bmp" … Nothing is written
  // unless every frame decodes; each bitmap is written atomically. Stop while the frames are
  // decoded ends it as cancelled, having written nothing; progress counts the bitmaps written.
  // A file without animation sets is refused ("No animation sets found in FILE.").
  CutResult cutFile(const std::filesystem::path& fishFile);

 private:
  ui::Ui& ui_;
  std::filesystem::path saveFolder_;
};

}  // namespace finsplit
