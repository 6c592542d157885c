#pragma once
// netkeeper's user actions, shared by its window and its command line: Start in Fish mode and
// the Fish Infomation dialog's OK, Splicing and its OK, and the gene list. Every action loads
// the chosen file afresh; the confirmations edit that image and write it whole, atomically,
// into the file's folder under the File Name box's name. No Qt here; the person is reached
// through ui::Ui.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "netkeeper/edits.hpp"
#include "netkeeper/gene_list.hpp"
#include "netkeeper/kinds.hpp"
#include "tankfile/tank_image.hpp"
#include "ui/ui.hpp"

namespace netkeeper {

// The windows' texts.
inline constexpr const char* kCaption = "NetKeeper";
inline constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionRevision = 0;
// "Version 1.0.0"
std::string versionLabel();
inline constexpr const char* kFishPattern = "*.fsh;*.tqn";
inline constexpr const char* kTankPattern = "*.tqn";
inline constexpr const char* kFishMode = "Fish";
inline constexpr const char* kTankMode = "Tank";
inline constexpr const char* kStart = "Start";
inline constexpr const char* kOption = "Option";
inline constexpr const char* kSplicing = "Splicing";
inline constexpr const char* kGene = "Gene";
inline constexpr const char* kFileName = "File Name";
inline constexpr const char* kDefaultOutputName = "TEMP";
inline constexpr std::array<const char*, 7> kFishBoxCaptions = {"Age", "Health", "Vigor", "Courage",
                                                                "Power", "Sex", "Eggs"};
inline constexpr const char* kMale = "M";
inline constexpr const char* kFemale = "W";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kGeneListFont = "Courier New";

// The messages.
inline constexpr const char* kFileDiffers = "File differs";

// The Fish Infomation dialog's boxes as typed: a tick box and its text each.
struct FishBoxes {
  bool age = false;
  std::string ageText;
  bool health = false, vigor = false, courage = false, power = false;
  std::string healthText = "100", vigorText = "100", courageText = "100", powerText = "100";
  bool sex = false;
  bool male = true;  // the "M" option; "W" otherwise
  bool eggs = false;
  std::string eggsText = "100";
  std::string fileName = kDefaultOutputName;
};

// The Splicing dialog's boxes: box i, when ticked, supplies gene i + 1.
struct GeneBoxes {
  std::array<bool, tankfile::kGeneCount> ticked{};
  std::array<std::string, tankfile::kGeneCount> text;
  std::string fileName = kDefaultOutputName;
  GeneBoxes() { text.fill("1"); }
};

// A Health, Vigor, Courage or Power box's text after OK: "0" below 0, "100" above 100, else as it is.
std::string clampPercentBox(const std::string& text);
// The edit set the dialog hands on; clamps the four boxes in place first.
EditSet takeEditSet(FishBoxes& boxes);

// A kind's name in the plural, as the dialogs count fish: "Guppies", "Discuses", "NeonTetras".
std::string pluralOf(std::string_view name);

// The name written: the folder, the output name and the ending ("TEMP" + ".tqn").
std::filesystem::path outputPath(const std::filesystem::path& folder, std::string_view name, std::string_view ending);
// The last four characters of a file's name (the whole name when shorter).
std::string lastFourCharacters(const std::filesystem::path& file);

struct GeneList {
  std::string caption;
  std::vector<GeneListEntry> entries;
  // For each entry, its line and its nickname in UTF-8, read in the flow's code page.
  std::vector<std::string> lines, nicknames;
};

class Netkeeper {
 public:
  explicit Netkeeper(ui::Ui& ui, base::CodePage codePage = base::CodePage::Cp932) : ui_(ui), codePage_(codePage) {}

  // The code page of the texts in the files (the nicknames of the gene list).
  void setCodePage(base::CodePage page) { codePage_ = page; }
  base::CodePage codePage() const { return codePage_; }

  // Start in Fish mode on the selected file (empty when none is): loads it and recognises the
  // kind of its first fish. The kind, for the dialog's caption and Age preset; nullptr after
  // "File differs" or a message about the file.
  const Kind* startFish(const std::filesystem::path& file);
  // Fish Infomation's OK (FishGenerate): every fish and egg of the kind edited, the image
  // written as File Name + the last four characters of the file's name. Done when written;
  // Cancelled when no Start recognised a kind; Refused when the write failed (told).
  ui::Outcome confirmFish(FishBoxes& boxes);

  // Splicing: loads the file and checks that its first fish carries genes. The dialog's
  // caption (the kind name), or nothing after "File differs" or a message about the file.
  std::optional<std::string> startSplicing(const std::filesystem::path& file);
  // Splicing's OK (FishGenerate2): the genes written into every gene-carrying fish, the image
  // written as File Name + ".fsh". Refused, with nothing written, when a ticked box holds a
  // value outside 0..255.
  ui::Outcome confirmGenes(const GeneBoxes& boxes);

  // Gene: the list's caption and entries, or nothing when the window is to close (no fish
  // record, a kind without genes; a file that cannot be read is told).
  std::optional<GeneList> geneList(const std::filesystem::path& file);

  // What the open dialog edits, for the line at its top: "Edits all 5 Guppies and their 2 eggs",
  // "Edits all 7 gene-carrying fish: 5 Guppies, 1 Discus, 1 Kingyo".
  const std::string& scopeText() const { return scope_; }
  // After a write, the status line naming the file, its folder and what changed.
  const std::string& statusText() const { return status_; }

  // The command line's own file is replaced without asking; the window asks before replacing
  // any file, the opened one included.
  void setEditInPlaceWithoutAsking(bool free) { inPlaceFree_ = free; }

  // Reading without a dialog: the recognised kind of a file's first fish.
  const Kind* recognise(const std::filesystem::path& file);

  const std::filesystem::path& lastWritten() const { return written_; }
  const EditReport& lastReport() const { return report_; }

 private:
  bool load(const std::filesystem::path& file);
  // Whether File Name + ending may be written: asks before replacing a file. Sets written_.
  bool mayReplace(const std::string& name, std::string_view ending);
  ui::Outcome write(std::string_view whatChanged);

  ui::Ui& ui_;
  base::CodePage codePage_;
  std::filesystem::path file_;
  tankfile::TankImage image_;
  std::optional<std::size_t> first_;
  const Kind* fishKind_ = nullptr;  // from the last Start
  bool spliceReady_ = false;        // the last Splicing found a gene-carrying fish
  std::filesystem::path written_;
  EditReport report_;
  std::string scope_, status_;
  bool inPlaceFree_ = false;
};

}  // namespace netkeeper
