#pragma once
// netkeeper2's flow without a window: open an extended-edition tank, apply the
// fish-information edits to every fish, or fill the grid and write back what was changed.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.hpp"
#include "base/codepage.hpp"
#include "base/files.hpp"
#include "netkeeper2/fish_edits.hpp"
#include "netkeeper2/grid.hpp"
#include "ui/ui.hpp"

namespace netkeeper2 {

inline constexpr std::string_view kFileDiffers = "File differs";
inline constexpr std::string_view kProgramTitle = "NetKeeperII";

// The File Name box's first text: the file's name without a final ".WTK" in any case.
std::string defaultOutputName(const std::filesystem::path& file);
// The folder joined with the name and the last four characters of the opened file's name.
std::filesystem::path outputPath(const std::filesystem::path& folder, std::string_view name,
                                 const std::filesystem::path& opened);

// The fish-information dialog's boxes as typed: each value's tick box and text, the Sex tick
// box with its option, and the File Name box.
struct FishBoxes {
  bool age = false, health = false, color = false, courage = false, power = false, fullness = false;
  std::string ageText = "0", healthText = "100", colorText = "100", courageText = "100", powerText = "100",
              fullnessText = "100";
  bool sex = false;
  bool male = true;      // "M"; "F" otherwise
  std::string fileName;  // preset to defaultOutputName of the opened file
};

// The edits the boxes ask for: each ticked box's leading number (no number reads 0).
FishEdits takeFishEdits(const FishBoxes& boxes);

struct OpenedTank {
  std::filesystem::path file;
  base::Bytes image;  // the whole file
  Record first;       // its first fish record
  base::FileStamp read;  // the file as it was read: a write over it checks it is unchanged
};

class Netkeeper2 {
 public:
  explicit Netkeeper2(ui::Ui& ui, base::CodePage codePage = base::CodePage::Cp932) : ui_(ui), codePage_(codePage) {}

  // "Start" and "detail" on the selected file (empty when none is): the file loaded afresh,
  // or "File differs" (with the reason when the file is too long) and none.
  std::optional<OpenedTank> open(const std::filesystem::path& file);

  // The fish-information dialog's "OK": every fish edited as the boxes say, the image written
  // in `folder` as File Name + the last four characters of the opened file's name. Refused
  // (told, nothing written) when File Name is empty or a ticked value is too large to store.
  ui::Outcome generate(OpenedTank tank, const FishBoxes& boxes, const std::filesystem::path& folder);
  // The same with the edits read and the output named.
  ui::Outcome generate(OpenedTank tank, const FishEdits& edits, const std::filesystem::path& output);
  const FishEditReport& lastEdits() const { return edits_; }

  // The grid's rows for the opened tank.
  std::vector<GridRow> grid(const OpenedTank& tank) const { return fillGrid(tank.image, codePage_); }
  // The grid's "OK": the changed cells and the resets written, the image written in `folder`
  // as `fileName` + the last four characters of the opened file's name. Refused (told, nothing
  // written) when `fileName` is empty or an edit cannot be written (uneditableEdit, unstorableEdit).
  ui::Outcome writeBack(OpenedTank tank, const std::vector<GridRow>& rows, const std::vector<GridCells>& edited,
                        const std::filesystem::path& folder, std::string_view fileName);
  const GridWriteReport& lastWriteBack() const { return writeBack_; }

  // The file the last generate or writeBack wrote (or tried to).
  const std::filesystem::path& lastOutput() const { return output_; }
  // After a write, the status line: "Wrote lake.wtk in /home/ann/tanks: 5 fish updated".
  const std::string& statusText() const { return status_; }
  // How many fish the fish-information dialog edits in this tank.
  static std::size_t fishCount(const OpenedTank& tank);

  // Before replacing an existing file generate and writeBack ask (No: Cancelled, nothing
  // written); the command line's own file is replaced without asking.
  void setEditInPlaceWithoutAsking(bool free) { inPlaceFree_ = free; }

  // The code page of the texts in the files (the grid's names).
  void setCodePage(base::CodePage page) { codePage_ = page; }
  base::CodePage codePage() const { return codePage_; }

 private:
  ui::Outcome save(const OpenedTank& tank, const std::filesystem::path& output, std::string_view whatChanged);
  bool mayReplace(const OpenedTank& tank, const std::filesystem::path& output);
  ui::Outcome refuse(std::string_view why);

  ui::Ui& ui_;
  base::CodePage codePage_;
  FishEditReport edits_;
  GridWriteReport writeBack_;
  std::filesystem::path output_;
  std::string status_;
  bool inPlaceFree_ = false;
};

}  // namespace netkeeper2
