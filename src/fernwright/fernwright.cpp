#include "fernwright/fernwright.hpp"

#include <cmath>
#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "plantfile/plantfile.hpp"
#include "resfile/resfile.hpp"
#include "ui/number_box.hpp"

namespace fernwright {

namespace fs = std::filesystem;
using namespace plantfile;

namespace {

// A picture's own units are hundredths of a millimetre; the screen has 96 pixels to the inch,
// and an inch is 2540 hundredths of a millimetre or 1440 twips.
constexpr double kHimetricPerPixel = 2540.0 / 96.0;
constexpr double kTwipsPerPixel = 1440.0 / 96.0;
constexpr double kBoxWidth = 2500, kBoxHeight = 2900;

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// The file's length, or a message naming it.
base::Result<std::uintmax_t> fileLength(const std::string& path) {
  std::error_code ec;
  const fs::path file = base::pathFromUtf8(path);
  if (!fs::is_regular_file(file, ec))
    return base::fail(base::strcat("Cannot read ", base::displayPath(file), ": ",
                                   ec ? ec.message() : fs::exists(file, ec) ? "it is not a file" : "there is no such file", "."));
  const auto length = fs::file_size(file, ec);
  if (ec) return base::fail(base::strcat("Cannot read ", base::displayPath(file), ": ", ec.message(), "."));
  return length;
}

}  // namespace

std::string windowCaption() {
  return base::strcat("Fern Wright      Ver ", kVersionMajor, ".", kVersionMinor, ".", kVersionRevision);
}

PreviewSize previewSize(int width, int height) {
  const double w = width * kHimetricPerPixel, h = height * kHimetricPerPixel;
  if (h < kBoxHeight && w < kBoxWidth) return {width, height};
  const double hr = h / kBoxHeight, wr = w / kBoxWidth;
  if (hr < wr) return {twipsToPixels(kBoxWidth), twipsToPixels(kBoxHeight * hr / wr)};
  return {twipsToPixels(kBoxWidth * wr / hr), twipsToPixels(kBoxHeight)};
}

fs::path withPlantExtension(const fs::path& chosen) {
  const std::string name = base::displayPath(chosen);
  const std::string last = name.size() >= 4 ? name.substr(name.size() - 4) : name;
  if (last == ".plt" || last == ".PLT") return chosen;
  return base::pathFromUtf8(name + ".plt");
}

ui::Outcome Fernwright::choose(Input input) {
  auto file = ui_.openFile({{}, input == kDescription ? kTextFilter : kBitmapFilter, {}, {}});
  if (!file) return ui::Outcome::Cancelled;
  paths_[input] = base::displayPath(*file);
  return ui::Outcome::Done;
}

CreateResult Fernwright::refuse(const std::string& text, const std::string& detail) {
  ui_.message(text, {.title = {}, .detail = detail});
  return {ui::Outcome::Refused, {}, 0};
}

CreateResult Fernwright::create() {
  // 1. The ID box's value; text that is no number reads 0.
  const double id = ui::leadingNumber(boxes.id);
  if (!(id >= kMinPlantId && id <= kMaxPlantId)) return refuse(kIdRange);

  // 2-4. The names, counted in bytes of the code page: a double-byte character counts two.
  PlantInputs inputs;
  const struct {
    const std::string* typed;
    std::string* bytes;
    const char* refusal;
  } names[] = {{&boxes.latin, &inputs.latin, kLatinLength},
               {&boxes.scientific, &inputs.scientific, kScientificLength},
               {&boxes.name, &inputs.name, kNameLength}};
  for (const auto& [typed, bytes, refusal] : names) {
    auto converted = base::toCodePage(*typed, codePage_);
    if (!converted) return refuse(refusal, converted.error().message);
    if (converted->empty() || converted->size() > kMaxNameBytes) return refuse(refusal);
    *bytes = std::move(*converted);
  }

  // 5-8. Every path chosen.
  const char* const unchosen[] = {kNoIcon, kNoTop, kNoFront, kNoDescription};
  for (std::size_t i = 0; i < kInputCount; ++i)
    if (paths_[i].empty()) return refuse(unchosen[i]);

  // 9-10. The description's and the icon's lengths. A file that cannot be measured is said.
  auto descriptionLength = fileLength(paths_[kDescription]);
  if (!descriptionLength) return refuse(descriptionLength.error().message);
  if (*descriptionLength < 1 || *descriptionLength > kMaxDescriptionBytes) return refuse(kDescriptionSize);
  auto iconLength = fileLength(paths_[kIcon]);
  if (!iconLength) return refuse(iconLength.error().message);
  if (*iconLength != kIconLength && *iconLength != kPaddedIconLength) return refuse(kIconSize);

  // 11-12. Where to save.
  auto chosen = ui_.saveFile({kSaveTitle, kPlantFilter, {}, {}});
  if (!chosen || chosen->empty()) return {ui::Outcome::Cancelled, {}, 0};
  const fs::path output = withPlantExtension(*chosen);

  // 13. The build, from the files as they are now.
  ui::BusyPointer busy(ui_);
  std::array<base::Bytes, kInputCount> files;
  for (std::size_t i = 0; i < kInputCount; ++i) {
    auto data = base::readFile(base::pathFromUtf8(paths_[i]), i == kDescription ? kMaxDescriptionBytes : resfile::kMaxFileSize);
    if (!data) return refuse(data.error().message);
    files[i] = std::move(*data);
  }
  if (files[kDescription].empty()) return refuse(kDescriptionSize);
  // Whole numbers from the box are kept; a fraction goes to the nearest, a half to even.
  inputs.id = static_cast<std::uint16_t>(std::nearbyint(id));
  inputs.redd = boxes.redd;
  inputs.icon = files[kIcon];
  inputs.top = files[kTop];
  inputs.front = files[kFront];
  inputs.description = files[kDescription];
  auto plant = buildPlantFile(inputs);
  if (!plant) return refuse(plant.error().message, "Nothing was written.");

  // 14. Replaces any file of that name whole, without asking.
  if (auto ok = base::writeFileAtomically(output, *plant); !ok) return refuse(ok.error().message);
  return {ui::Outcome::Done, output, plant->size()};
}

}  // namespace fernwright
