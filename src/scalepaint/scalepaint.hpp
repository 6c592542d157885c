#pragma once
// scalepaint's user actions, shared by its window and its command line: the palette table in
// the grid (INIT, FILL, OPEN, SAVE), choosing the source, MAKE (recolour the source's fish
// animations into the destination) and PreView. No Qt here; the person is reached through
// ui::Ui.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/codepage.hpp"
#include "scalepaint/palette.hpp"
#include "fishfile/frame_picture.hpp"
#include "scalepaint/preview.hpp"
#include "scalepaint/recolour.hpp"
#include "ui/ui.hpp"

namespace scalepaint {

struct Version {
  int major = 0, minor = 0, revision = 0;
};

// What tells the two builds apart: 0.6.0, the product, and the older 0.4.5 without PreView,
// with only tank files offered as sources and the grid in Tahoma.
struct Edition {
  Version version;
  bool preview = true;
  const char* sourceFilter = "";
  bool tahomaGrid = false;
};
// The source filter is built by appending, for each pair, the description, "|", the pattern
// and "|".
inline constexpr Edition kEdition060{{0, 6, 0}, true, "Aquarium(*.tqn)|*.tqn|Fish(*.fsh)|*.fsh|All(*.*)|*.*|", false};
inline constexpr Edition kEdition045{{0, 4, 5}, false, "Aquarium (*.tqn)|*.tqn", true};

// "ScalePainter      Ver 0.6.0" (six blanks before Ver).
std::string caption(const Edition& edition);

// The window's texts.
inline constexpr const char* kProgramName = "ScalePainter";
inline constexpr const char* kGridHeader = "Palette";
inline constexpr const char* kSourceCaption = "Source";
inline constexpr const char* kDestinationCaption = "Destinate";
inline constexpr const char* kMake = "MAKE";
inline constexpr const char* kPreView = "PreView";
inline constexpr const char* kFileMenu = "FILE";
inline constexpr const char* kEditMenu = "EDIT";
inline constexpr const char* kOpen = "OPEN";
inline constexpr const char* kSave = "SAVE";
inline constexpr const char* kEnd = "END";
inline constexpr const char* kInit = "INIT";
inline constexpr const char* kFill = "FILL";

// Dialogs.
inline constexpr const char* kOpenTitle = "OPEN";  // the palette file and the source alike
inline constexpr const char* kSaveTitle = "SAVE";
inline constexpr const char* kPaletteFilter = "DATA (*.dat)|*.dat";

// Messages.
inline constexpr const char* kNoSource = "Source Aquarium ?";

// MAKE holds the whole source in memory; larger files are refused.
constexpr std::size_t kMaxSourceSize = 256u << 20;
// The destination when nothing else is typed, as in the Destinate box.
constexpr std::string_view kDefaultExtension = ".tqn";

struct MakeResult {
  ui::Outcome outcome = ui::Outcome::Refused;
  std::filesystem::path output;
  std::size_t bytes = 0;
  RecolourReport recoloured;
};

struct PreviewResult {
  ui::Outcome outcome = ui::Outcome::Refused;
  PreviewImage image;
  std::string kindName;  // as stored: bytes in the code page
  std::string kindText;  // the kind name for the person (UTF-8): read in the code page, or byte for byte as Latin-1
  bool foundSet = false;
  std::optional<FrameInfo> frame;
  // The first fish's animations (indices before the table) and the table they are shown
  // through; why they cannot be shown, when a frame is malformed.
  std::vector<fishfile::Animation> animations;
  std::string animationProblem;
  Table table{};
};

class Scalepaint {
 public:
  // The window's start: INIT, and the destination "temp.tqn" in currentFolder.
  Scalepaint(ui::Ui& ui, const std::filesystem::path& currentFolder, const Edition& edition = kEdition060);

  const Edition& edition() const { return edition_; }

  Cells cells;              // the grid's rows 1-256 as typed (vaSpread1)
  std::string source;       // the source field (Label1), UTF-8; empty until one is chosen
  std::string destination;  // the Destinate box (Text1), used as typed
  std::filesystem::path paletteFile;  // the palette file last opened or saved; empty before

  // EDIT: INIT (identity table) and FILL (every row from row 1).
  void init();
  void fill();
  // FILE: OPEN reads a palette file into the rows (all of them, or none when the file cannot be
  // used); SAVE writes the rows as a palette file, asking before replacing one.
  ui::Outcome openPalette();
  // OPEN's work once a file is chosen (also for a file dropped or given at start).
  ui::Outcome openPaletteFile(const std::filesystem::path& file);
  ui::Outcome savePalette();

  // A click on the source field: the open dialog with the source filter.
  ui::Outcome chooseSource();

  // MAKE: recolours the source's animation sets through the rows and writes the destination.
  MakeResult make();
  // PreView: the first frame of the source's first animation through the rows.
  PreviewResult preview();

  // The code page of the texts in the files (the kind name PreView shows).
  void setCodePage(base::CodePage page) { codePage_ = page; }
  base::CodePage codePage() const { return codePage_; }

 private:
  bool haveSource();

  ui::Ui& ui_;
  Edition edition_;
  base::CodePage codePage_ = base::CodePage::Cp932;
};

}  // namespace scalepaint
