#include "netkeeper2/netkeeper2.hpp"

#include <cctype>
#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "ui/number_box.hpp"
#include "ui/overwrite.hpp"
#include "ui/wrote.hpp"
#include "ui/paths.hpp"

namespace netkeeper2 {

namespace fs = std::filesystem;

std::string defaultOutputName(const fs::path& file) {
  std::string name = base::displayPath(file.filename());
  if (name.size() >= 4) {
    std::string tail = name.substr(name.size() - 4);
    for (auto& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (tail == ".WTK") name.resize(name.size() - 4);
  }
  return name;
}

fs::path outputPath(const fs::path& folder, std::string_view name, const fs::path& opened) {
  const std::string openedName = base::displayPath(opened.filename());
  const std::string tail = openedName.size() >= 4 ? openedName.substr(openedName.size() - 4) : openedName;
  return base::pathFromUtf8(ui::joinFolder(base::displayPath(folder), std::string(name) + tail));
}

FishEdits takeFishEdits(const FishBoxes& boxes) {
  auto ticked = [](bool tick, const std::string& text) -> std::optional<double> {
    if (!tick) return std::nullopt;
    return ui::leadingNumber(text);
  };
  FishEdits edits{ticked(boxes.age, boxes.ageText),         ticked(boxes.health, boxes.healthText),
                  ticked(boxes.fullness, boxes.fullnessText), ticked(boxes.courage, boxes.courageText),
                  ticked(boxes.power, boxes.powerText),       ticked(boxes.color, boxes.colorText),
                  std::nullopt};
  if (boxes.sex) edits.male = boxes.male;
  return edits;
}

std::optional<OpenedTank> Netkeeper2::open(const fs::path& file) {
  if (file.empty()) {
    ui_.message(kFileDiffers, {std::string(kProgramTitle), {}});
    return std::nullopt;
  }
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  if (!ec && size > kMaxTankSize) {
    ui_.message(kFileDiffers, {std::string(kProgramTitle),
                               base::strcat(base::displayPath(file), " is ", base::withThousands(size),
                                            " bytes long; a tank of this edition holds at most ",
                                            base::withThousands(kMaxTankSize), " bytes.")});
    return std::nullopt;
  }
  base::FileStamp read;
  auto image = base::readFile(file, kMaxTankSize, &read);
  if (!image) {
    ui_.message(image.error().message, {std::string(kProgramTitle), {}});
    return std::nullopt;
  }
  auto first = findFirstRecord(*image);
  if (!first) {
    ui_.message(kFileDiffers, {std::string(kProgramTitle), {}});
    return std::nullopt;
  }
  return OpenedTank{file, std::move(*image), *first, std::move(read)};
}

std::size_t Netkeeper2::fishCount(const OpenedTank& tank) {
  base::Bytes copy = tank.image;  // counted as the edits would find them, on a copy
  return applyFishEdits(copy, {}).edited;
}

bool Netkeeper2::mayReplace(const OpenedTank& tank, const fs::path& output) {
  return ui::mayWrite(ui_, output, inPlaceFree_ ? tank.file : fs::path());
}

ui::Outcome Netkeeper2::save(const OpenedTank& tank, const fs::path& output, std::string_view whatChanged) {
  if (auto written = base::writeFileAtomically(output, tank.image, &tank.read); !written) {
    ui_.message(written.error().message, {std::string(kProgramTitle), {}});
    return ui::Outcome::Refused;
  }
  const fs::path folder = output.parent_path();
  status_ = ui::wroteInText(base::displayPath(output.filename()), folder.empty() ? "." : base::displayPath(folder), whatChanged);
  return ui::Outcome::Done;
}

ui::Outcome Netkeeper2::generate(OpenedTank tank, const FishBoxes& boxes, const fs::path& folder) {
  if (!ui::namesAFile(boxes.fileName)) return refuse(ui::kNoFileName);
  const std::pair<const char*, const std::string*> values[] = {{"Health", &boxes.healthText},
                                                               {"Fullness", &boxes.fullnessText},
                                                               {"Courage", &boxes.courageText},
                                                               {"Power", &boxes.powerText},
                                                               {"Color", &boxes.colorText}};
  const bool ticks[] = {boxes.health, boxes.fullness, boxes.courage, boxes.power, boxes.color};
  for (std::size_t i = 0; i < std::size(values); ++i)
    if (auto why = tooLargeToStore(values[i].first, *values[i].second); ticks[i] && !why.empty()) return refuse(why);
  const fs::path output = outputPath(folder, boxes.fileName, tank.file);
  return generate(std::move(tank), takeFishEdits(boxes), output);
}

ui::Outcome Netkeeper2::refuse(std::string_view why) {
  ui_.message(why, {std::string(kProgramTitle), {}});
  return ui::Outcome::Refused;
}

ui::Outcome Netkeeper2::generate(OpenedTank tank, const FishEdits& edits, const fs::path& output) {
  status_.clear();
  output_ = output;
  if (!mayReplace(tank, output)) return ui::Outcome::Cancelled;
  ui::BusyPointer busy(ui_);
  edits_ = applyFishEdits(tank.image, edits);
  return save(tank, output, base::strcat(edits_.edited, " fish updated"));
}

ui::Outcome Netkeeper2::writeBack(OpenedTank tank, const std::vector<GridRow>& rows,
                                  const std::vector<GridCells>& edited, const fs::path& folder,
                                  std::string_view fileName) {
  if (!ui::namesAFile(fileName)) return refuse(ui::kNoFileName);
  for (const auto& why : {uneditableEdit(rows, edited), unstorableEdit(rows, edited)})
    if (!why.empty()) return refuse(why);
  status_.clear();
  output_ = outputPath(folder, fileName, tank.file);
  if (!mayReplace(tank, output_)) return ui::Outcome::Cancelled;
  ui::BusyPointer busy(ui_);
  writeBack_ = writeGrid(tank.image, rows, edited);
  std::size_t changed = 0;
  for (std::size_t r = 0; r < rows.size() && r < edited.size(); ++r)
    for (std::size_t c = 0; c < kGridColumns; ++c) changed += rows[r].cells[c] != edited[r][c];
  return save(tank, output_, changed == 0 ? std::string("no cell changed") : base::strcat(changed, changed == 1 ? " cell changed" : " cells changed"));
}

}  // namespace netkeeper2
