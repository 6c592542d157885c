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
  std::size_t existing = 0;  // frame files already in the save folder, asked about once
  std::filesystem::path file{};  // the fish file cut, once done
};

// "3 of the 144 frame files (0000.bmp to 0143.bmp) already exist in /home/ann/frames.\nDo you
// want to replace them?"
std::string replaceFramesQuestion(std::size_t existing, std::size_t frames, const std::filesystem::path& folder);
// The status line after a cut: "144 frames written to /home/ann/frames".
std::string framesWrittenText(std::size_t written, const std::filesystem::path& folder);

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
  // A file without animation sets is refused ("No animation sets found in FILE."). When frame
  // files of that many frames exist already, one question asks before any is replaced; No
  // ends it as cancelled, with `existing` set.
  CutResult cutFile(const std::filesystem::path& fishFile);

 private:
  ui::Ui& ui_;
  std::filesystem::path saveFolder_;
};

}  // namespace finsplit
