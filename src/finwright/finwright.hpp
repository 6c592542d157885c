#pragma once
// finwright's user actions, shared by its window and its command line: choosing the icon and
// the image folder, and Build, which checks the inputs in a fixed order and builds the fish
// file through the work folder.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/codepage.hpp"
#include "base/file_io.hpp"
#include "finwright/work_folder.hpp"
#include "ui/ui.hpp"

namespace finwright {

constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionRevision = 0;

// "Finwright for Brinmoor  Version 1.0.0"
std::string windowCaption();

inline constexpr const char* kIconTitle = "Fish Icon";
inline constexpr const char* kIconFilter = "Fish Icon file (*.bmp)|*.bmp";
inline constexpr const char* kMakeFishTitle = "MAKE FISH";
inline constexpr const char* kMakeFishFilter = "Brinmoor Fish file (*.fsh)|*.fsh";
inline constexpr const char* kDefaultText = "Edit me";
inline constexpr const char* kLibraryName = "fish.lib";
constexpr std::size_t kShortTextLimit = 32;    // characters in the name, Latin, genre and habitat boxes
constexpr std::size_t kDescriptionLimit = 512; // characters in the description box

inline constexpr const char* kIconRefused = "Finwright cannot import files with RLE or 16M color format.";
inline constexpr const char* kNoIcon = "You must set Icon image.";
inline constexpr const char* kNoImageFolder = "Please set Image Folder";
inline constexpr const char* kIdRange = "ID is 0 - 127";
inline constexpr const char* kNoFishName = "Please set Fish Name";
inline constexpr const char* kNoFrame = "There is not a image file.";

// What the window's boxes hold, as typed (UTF-8).
struct Boxes {
  std::string id = "0";
  std::string name = kDefaultText, latin = kDefaultText, genre = kDefaultText, habitat = kDefaultText;
  std::string description = kDefaultText;
};

// A box holding more characters than it takes, which the window's boxes never let in: the
// box's name ("name", "latin", "genre", "habitat", "description"), its length and its limit.
struct TooLong {
  const char* box;
  std::size_t characters, limit;
};
// The first box that is too long, in the window's order; none when all fit.
std::optional<TooLong> tooLong(const Boxes& boxes);

struct BuildResult {
  ui::Outcome outcome = ui::Outcome::Cancelled;
  std::filesystem::path output;
  std::size_t bytes = 0;
};

class Finwright {
 public:
  // The start folder is where the fish library is looked for first; the work folder is made
  // now and removed with this object.
  Finwright(ui::Ui& ui, const std::filesystem::path& startFolder, base::CodePage codePage = base::CodePage::Cp932);

  // Icon: the "Fish Icon" dialog, then chooseIcon on the chosen file.
  ui::Outcome icon();
  // Takes a file as the icon. One longer than 32 bytes whose bits-per-pixel byte (28) is over
  // 8 is refused with its message, and the icon path is cleared.
  ui::Outcome chooseIcon(const std::filesystem::path& file);
  const std::string& iconPath() const { return iconPath_; }

  // SetFolder: the folder dialog; OK makes its folder the image folder.
  void setFolder();
  void setImageFolder(const std::filesystem::path& folder) { imageFolder_ = base::displayPath(folder); }
  const std::string& imageFolder() const { return imageFolder_; }

  // The fish library: the file set here, exactly; when none is set (empty), the first file
  // there is among libraryPlaces().
  void setLibrary(const std::filesystem::path& library) { library_ = library; }
  // A library chosen earlier (the window remembers it): looked at before the others.
  void setChosenLibrary(const std::filesystem::path& library) { chosen_ = library; }
  const std::filesystem::path& chosenLibrary() const { return chosen_; }
  // Where the library is looked for, in order, as absolute paths: the chosen library, then
  // "fish.lib" in the start folder, in the user's data folder (~/.local/share/brinkit) and
  // beside the program.
  std::vector<std::filesystem::path> libraryPlaces() const;
  // The library a build would use now: the one set, else the first found; empty when none is.
  std::filesystem::path library() const;
  // The end of the message that says no library was found: how to give one.
  std::string howToChooseLibrary = "choose one with File > Choose Fish Library";
  void setCodePage(base::CodePage page) { codePage_ = page; }
  base::CodePage codePage() const { return codePage_; }

  Boxes boxes;

  // Build: the checks in order, the "MAKE FISH" dialog, then the build, which reports its
  // progress through the Ui and stops (Cancelled, the output untouched) when asked.
  BuildResult build();

  const std::filesystem::path& workFolder() const { return work_.path(); }

 private:
  // The library present, readable and a fish library, and every text inside the code page.
  base::Result<void> checkInputs() const;
  BuildResult buildTo(const std::filesystem::path& output);

  ui::Ui& ui_;
  WorkFolder work_;
  std::filesystem::path startFolder_;
  std::filesystem::path library_, chosen_;
  base::CodePage codePage_;
  std::string iconPath_;
  std::string imageFolder_;
};

}  // namespace finwright
