#pragma once
// fernwright's user actions, shared by its window and its command line: choosing the four
// input files, and Create, which runs its ten checks in a fixed order, asks where to save and
// writes the plant file.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "base/codepage.hpp"
#include "ui/ui.hpp"

namespace fernwright {

constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionRevision = 0;

// "Fern Wright      Ver 1.0.0"
std::string windowCaption();

inline constexpr const char* kBitmapFilter = "(*.bmp)|*.bmp";
inline constexpr const char* kTextFilter = "Text file(*.txt)|*.txt";
inline constexpr const char* kPlantFilter = "Plant file (*.plt)|*.plt";
// The dialogs keep the platform's titles.
inline constexpr const char* kSaveTitle = "";

inline constexpr const char* kIdRange = "ID is 128-32766";
inline constexpr const char* kLatinLength = "Latin is 1-32 letters";
inline constexpr const char* kScientificLength = "Scientifique is 1-32 letters";
inline constexpr const char* kNameLength = "Name is 1-32 letters";
inline constexpr const char* kNoIcon = "Designate ICON file";
inline constexpr const char* kNoTop = "Designate TOP file";
inline constexpr const char* kNoFront = "Designate FRONT file";
inline constexpr const char* kNoDescription = "Designate Description file";
inline constexpr const char* kDescriptionSize = "Description Size is 1-512 bytes";
inline constexpr const char* kIconSize = "ICON resolution is 83x83 pixel with 256 color";

// The four chosen files, in the order of their path labels.
enum Input : std::size_t { kIcon = 0, kTop = 1, kFront = 2, kDescription = 3 };
constexpr std::size_t kInputCount = 4;
// What each path label is called in the window.
inline constexpr std::array<const char*, kInputCount> kInputCaptions = {"ICON", "TOP", "FRONT", "Description"};

// What the window's boxes hold, as typed (UTF-8).
struct Boxes {
  std::string id = "128";
  std::string latin = "Sample", scientific = "Sample2", name = "Sample3";
  bool redd = false;
};

struct CreateResult {
  ui::Outcome outcome = ui::Outcome::Cancelled;
  std::filesystem::path output;
  std::size_t bytes = 0;
};

// The size a top or front view is shown at, in pixels of a 96-dpi screen. A picture below
// 2500 × 2900 hundredths of a millimetre (width × height) keeps its own size; a larger one is
// fitted, proportions kept, to a box of 2500 × 2900 twips.
struct PreviewSize {
  int width = 0, height = 0;
  bool operator==(const PreviewSize&) const = default;
};
PreviewSize previewSize(int width, int height);
// The box of the top and front previews, 2500 × 2900 twips, in pixels.
constexpr PreviewSize kPreviewBox = {167, 193};

// The chosen save name with ".plt" appended unless its last four characters are ".plt" or
// ".PLT" (rush → rush.plt, rush.Plt → rush.Plt.plt).
std::filesystem::path withPlantExtension(const std::filesystem::path& chosen);

class Fernwright {
 public:
  explicit Fernwright(ui::Ui& ui, base::CodePage codePage = base::CodePage::Cp932) : ui_(ui), codePage_(codePage) {}

  // A click on path label i: the open dialog with its filter; a chosen file becomes the path.
  ui::Outcome choose(Input input);
  void setPath(Input input, std::string path) { paths_[input] = std::move(path); }
  const std::string& path(Input input) const { return paths_[input]; }

  void setCodePage(base::CodePage page) { codePage_ = page; }
  base::CodePage codePage() const { return codePage_; }

  Boxes boxes;

  // Create: the ten checks in order, the save dialog, the build and the write.
  CreateResult create();

 private:
  CreateResult refuse(const std::string& text, const std::string& detail = {});

  ui::Ui& ui_;
  base::CodePage codePage_;
  std::array<std::string, kInputCount> paths_;
};

}  // namespace fernwright
