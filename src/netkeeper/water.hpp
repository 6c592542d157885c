#pragma once
// The Watter Settings dialog's logic: the fifteen boxes loaded from a tank's water block, "init",
// and "UPDATE", which writes back only what the person changed. No Qt here.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "tankfile/records.hpp"
#include "tankfile/tank_image.hpp"
#include "ui/ui.hpp"

namespace netkeeper {

inline constexpr const char* kWaterCaption = "Watter Settings";
inline constexpr const char* kVersionRefused = "Tank of this version is not able to change";
inline constexpr const char* kVolChange = "Vol Change";
inline constexpr const char* kUpdate = "UPDATE";
inline constexpr const char* kInit = "init";
// Value k of the water block is box k.
inline constexpr const auto& kWaterLabels = tankfile::kWaterValueNames;
inline constexpr std::size_t kVolumeBox = 0;
inline constexpr std::size_t kTemperatureBox = 1;
inline constexpr std::size_t kFirstAmountBox = 4;

using WaterTexts = std::array<std::string, tankfile::kWaterValueCount>;

// The File Name box's first text: the file's name without a final ".tqn" or ".TQN".
std::string waterOutputName(const std::filesystem::path& file);

// What the boxes show for the stored values: volume, temperature, pH and GH divided by 1000;
// the concentrations (amount / volume, cut to three decimals), or the amounts when the volume is 0.
WaterTexts shownWater(const tankfile::WaterValues& values);
// "init": the usual fresh water; the volume box keeps its text.
void initWater(WaterTexts& boxes);

// The values UPDATE stores. A box counts as changed when the number read from it differs from
// the number it showed at load; an unchanged box keeps its stored value exactly. The volume
// changes only with "Vol Change" ticked; then every amount is worked out anew from its box.
// Arithmetic in single precision, rounded halves to even. A value that does not fit the
// 32-bit field, or a temperature outside 15-40 (the version test), is refused with a message
// naming its box.
base::Result<tankfile::WaterValues> updatedWater(const tankfile::WaterValues& loaded, const WaterTexts& shown,
                                                 const WaterTexts& boxes, bool volumeChange);

// The dialog's state from load to UPDATE.
struct WaterDialog {
  std::filesystem::path file;
  tankfile::TankImage image;
  std::size_t w = 0;
  tankfile::WaterValues loaded{};
  WaterTexts shown;       // as loaded
  WaterTexts boxes;       // as the person leaves them
  bool volumeChange = false;
  std::string fileName;   // the File Name box
};

class Water {
 public:
  explicit Water(ui::Ui& ui) : ui_(ui) {}
  // Loads the tank for the dialog; nothing, after a message, when the file cannot be read, has
  // no water block or is of another version ("Tank of this version is not able to change").
  std::optional<WaterDialog> load(const std::filesystem::path& file);
  // "UPDATE": writes File Name + ".tqn" into `folder`. Refused (told) when a box's value does
  // not fit or the write fails; Cancelled when the person would not replace an existing
  // file; nothing is written then.
  ui::Outcome update(WaterDialog& dialog, const std::filesystem::path& folder);
  const std::filesystem::path& lastWritten() const { return written_; }
  // After UPDATE, the status line: "Wrote lake.tqn in /home/ann/tanks: Temp and PH changed".
  const std::string& statusText() const { return status_; }
  // The command line's own tank is replaced without asking; the window always asks.
  void setEditInPlaceWithoutAsking(bool free) { inPlaceFree_ = free; }

 private:
  ui::Ui& ui_;
  std::filesystem::path written_;
  std::string status_;
  bool inPlaceFree_ = false;
};

}  // namespace netkeeper
