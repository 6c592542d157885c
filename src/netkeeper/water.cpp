#include "netkeeper/water.hpp"

#include <cmath>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "ui/number_box.hpp"
#include "ui/overwrite.hpp"
#include "ui/wrote.hpp"
#include "ui/paths.hpp"

namespace netkeeper {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kWaterBlockBytes = tankfile::kWaterValueCount * 4;

// The typed text as a message quotes it: at most 40 bytes.
std::string quoted(const std::string& typed) {
  return typed.size() <= 40 ? typed : typed.substr(0, 40) + "...";
}

// The largest value a box takes, in the box's own unit: the 32-bit field's limit divided by
// what the box's value is multiplied with, cut to the three decimals the box shows.
std::string largestTyped(float factor) {
  const double thousandths = std::floor(4294967295.0 * 1000.0 / static_cast<double>(factor));
  const auto whole = static_cast<std::uint64_t>(thousandths / 1000.0);
  std::string text = base::withThousands(whole);
  const std::string fraction = ui::decimalText(thousandths - static_cast<double>(whole) * 1000.0, 3);
  if (fraction != "0") text += fraction.substr(1);  // ".295" from "0.295"
  return text;
}

// A single-precision result (the box's value times `factor`) as a 32-bit field, or a message
// naming the box and its range in the unit typed.
base::Result<std::uint32_t> fieldValue(float value, float factor, std::size_t box, const std::string& typed) {
  const double rounded = std::nearbyint(static_cast<double>(value));  // halves to even
  if (!(rounded >= 0 && rounded <= 4294967295.0))
    return base::fail(base::strcat("The value \"", quoted(typed), "\" in ", kWaterLabels[box], " cannot be stored: it must lie between 0 and ",
                                   largestTyped(factor), box == kVolumeBox ? " litres." : "."));
  return static_cast<std::uint32_t>(rounded);
}

// "Temp and PH changed", "Vol(Litter), O2, CO2 and 9 more changed", "no value changed".
std::string changedText(const std::vector<std::string_view>& names) {
  if (names.empty()) return "no value changed";
  constexpr std::size_t kNamed = 3;
  std::string text;
  const std::size_t named = names.size() <= kNamed + 1 ? names.size() : kNamed;
  for (std::size_t i = 0; i < named; ++i) {
    const bool last = i + 1 == named && named == names.size();
    text += base::strcat(i == 0 ? "" : last ? " and " : ", ", names[i]);
  }
  if (named < names.size()) text += base::strcat(" and ", names.size() - named, " more");
  return text + " changed";
}

float single(const std::string& text) { return static_cast<float>(ui::leadingNumber(text)); }

}  // namespace

std::string waterOutputName(const fs::path& file) {
  std::string name = base::displayPath(file.filename());
  if (name.size() >= 4 && (name.ends_with(".tqn") || name.ends_with(".TQN"))) name.resize(name.size() - 4);
  return name;
}

WaterTexts shownWater(const tankfile::WaterValues& values) {
  WaterTexts texts;
  for (std::size_t k = 0; k < kFirstAmountBox; ++k) texts[k] = ui::decimalText(values[k], 3);
  for (std::size_t k = kFirstAmountBox; k < values.size(); ++k)
    texts[k] = ui::decimalText(static_cast<double>(tankfile::concentrationThousandths(values[k], values[kVolumeBox])), 3);
  return texts;
}

void initWater(WaterTexts& boxes) {
  const WaterTexts fresh = {"", "26.5", "7", "4", "7.9", "0", "0", "0", "0", "42", "10", "0", "0", "0", "0"};
  for (std::size_t k = 1; k < boxes.size(); ++k) boxes[k] = fresh[k];
}

base::Result<tankfile::WaterValues> updatedWater(const tankfile::WaterValues& loaded, const WaterTexts& shown,
                                                 const WaterTexts& boxes, bool volumeChange) {
  auto changed = [&](std::size_t k) { return ui::leadingNumber(boxes[k]) != ui::leadingNumber(shown[k]); };
  tankfile::WaterValues values = loaded;
  const bool newVolume = volumeChange && changed(kVolumeBox);
  if (newVolume) {
    auto volume = fieldValue(single(boxes[kVolumeBox]) * 1000.0f, 1000.0f, kVolumeBox, boxes[kVolumeBox]);
    if (!volume) return std::unexpected(volume.error());
    values[kVolumeBox] = *volume;
  }
  for (std::size_t k = 1; k < kFirstAmountBox; ++k) {
    if (!changed(k)) continue;
    auto value = fieldValue(single(boxes[k]) * 1000.0f, 1000.0f, k, boxes[k]);
    if (!value) return std::unexpected(value.error());
    values[k] = *value;
  }
  // A tank whose temperature lies outside the version test could not be opened here again.
  if (changed(kTemperatureBox) && !tankfile::acceptsWaterEditing(values))
    return base::fail(base::strcat("The value \"", quoted(boxes[kTemperatureBox]), "\" in ", kWaterLabels[kTemperatureBox],
                                   " cannot be stored: the temperature must lie between 15 and 40 °C."));
  // With a volume of 0 the boxes hold the amounts themselves: they are stored as typed.
  const float volume = values[kVolumeBox] == 0 ? 1.0f : static_cast<float>(values[kVolumeBox]);
  for (std::size_t k = kFirstAmountBox; k < values.size(); ++k) {
    if (!newVolume && !changed(k)) continue;
    auto value = fieldValue(single(boxes[k]) * volume, volume, k, boxes[k]);
    if (!value) return std::unexpected(value.error());
    values[k] = *value;
  }
  return values;
}

std::optional<WaterDialog> Water::load(const fs::path& file) {
  auto image = tankfile::TankImage::load(file);
  if (!image) {
    ui_.message(image.error().message);
    return std::nullopt;
  }
  // Without a water marker there is nothing to edit: the header is not water.
  const auto w = tankfile::findWaterBlock(*image);
  if (!w || !image->holds(static_cast<tankfile::Offset>(*w), kWaterBlockBytes)) {
    ui_.message(kVersionRefused);
    return std::nullopt;
  }
  WaterDialog dialog;
  dialog.file = file;
  dialog.w = *w;
  dialog.loaded = tankfile::waterValues(*image, *w);
  if (!tankfile::acceptsWaterEditing(dialog.loaded)) {
    ui_.message(kVersionRefused);
    return std::nullopt;
  }
  dialog.image = std::move(*image);
  dialog.shown = shownWater(dialog.loaded);
  dialog.boxes = dialog.shown;
  dialog.fileName = waterOutputName(file);
  return dialog;
}

ui::Outcome Water::update(WaterDialog& dialog, const fs::path& folder) {
  if (!ui::namesAFile(dialog.fileName)) {
    ui_.message(ui::kNoFileName);
    return ui::Outcome::Refused;
  }
  ui::BusyPointer busy(ui_);
  auto values = updatedWater(dialog.loaded, dialog.shown, dialog.boxes, dialog.volumeChange);
  if (!values) {
    ui_.message(values.error().message);
    return ui::Outcome::Refused;
  }
  const fs::path output = base::pathFromUtf8(ui::joinFolder(base::displayPath(folder), dialog.fileName + ".tqn"));
  if (!ui::mayWrite(ui_, output, inPlaceFree_ ? dialog.file : fs::path())) return ui::Outcome::Cancelled;
  std::vector<std::string_view> changed;
  for (std::size_t k = 0; k < values->size(); ++k) {
    if ((*values)[k] == dialog.loaded[k]) continue;
    dialog.image.setU32(static_cast<tankfile::Offset>(dialog.w + 4 * k), (*values)[k]);
    changed.push_back(kWaterLabels[k]);
  }
  if (auto saved = dialog.image.save(output); !saved) {
    ui_.message(saved.error().message);
    return ui::Outcome::Refused;
  }
  written_ = output;
  status_ = ui::wroteInText(base::displayPath(output.filename()), base::displayPath(output.parent_path()), changedText(changed));
  return ui::Outcome::Done;
}

}  // namespace netkeeper
