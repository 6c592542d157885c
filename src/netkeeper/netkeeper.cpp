#include "netkeeper/netkeeper.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "tankfile/records.hpp"
#include "ui/number_box.hpp"
#include "ui/overwrite.hpp"
#include "ui/wrote.hpp"
#include "ui/paths.hpp"

namespace netkeeper {

namespace {

// A box read as a whole number: its leading number, rounded halves to even, held to the range.
std::int64_t wholeNumber(std::string_view text, std::int64_t low, std::int64_t high) {
  const double value = std::nearbyint(ui::leadingNumber(text));
  if (value <= static_cast<double>(low)) return low;
  if (value >= static_cast<double>(high)) return high;
  return static_cast<std::int64_t>(value);
}

std::string fileNameText(const std::filesystem::path& file) { return base::displayPath(file.filename()); }

// Why records were left as they were, or empty.
std::string skippedMessage(const EditReport& report, const std::filesystem::path& file) {
  if (report.skippedFish.empty() && report.skippedEggs.empty()) return {};
  std::string list;
  auto add = [&](const char* what, std::size_t record) {
    list += list.empty() ? "" : ", ";
    list += base::strcat(what, " at offset ", record);
  };
  for (auto n : report.skippedFish) add("fish", n);
  for (auto e : report.skippedEggs) add("egg", e);
  return base::strcat("Left unedited, because their fields would lie outside ", base::displayPath(file), ": ", list, ".");
}

// "1 egg", "2 eggs".
std::string counted(std::size_t count, std::string_view one, std::string_view many) {
  return base::strcat(count, " ", count == 1 ? one : many);
}

// The kind's name as the dialogs show it: its caption, or its bytes when it is not known.
std::string shownKind(const std::string& nameBytes) {
  const Kind* kind = findKind(nameBytes);
  return kind ? std::string(kind->caption) : nameBytes;
}

}  // namespace

std::string pluralOf(std::string_view name) {
  std::string plural(name);
  auto endsWith = [&](std::string_view tail) {
    if (plural.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(plural[plural.size() - tail.size() + i])) != tail[i]) return false;
    return true;
  };
  const bool consonantY = plural.size() >= 2 && (plural.back() == 'y' || plural.back() == 'Y') &&
                          std::string_view("aeiouAEIOU").find(plural[plural.size() - 2]) == std::string_view::npos;
  if (consonantY) plural.replace(plural.size() - 1, 1, plural.back() == 'Y' ? "IES" : "ies");
  else if (endsWith("s") || endsWith("sh") || endsWith("ch") || endsWith("x")) plural += "es";
  else plural += "s";
  return plural;
}

std::string versionLabel() { return base::strcat("Version ", kVersionMajor, ".", kVersionMinor, ".", kVersionRevision); }

std::string clampPercentBox(const std::string& text) {
  const double value = ui::leadingNumber(text);
  if (value < 0) return "0";
  if (value > 100) return "100";
  return text;
}

EditSet takeEditSet(FishBoxes& boxes) {
  for (std::string* box : {&boxes.healthText, &boxes.vigorText, &boxes.courageText, &boxes.powerText})
    *box = clampPercentBox(*box);
  EditSet edits;
  edits.ageFlag = boxes.age;
  edits.ageDays = wholeNumber(boxes.ageText, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  edits.healthFlag = boxes.health;
  edits.health = static_cast<int>(wholeNumber(boxes.healthText, 0, 100));
  edits.vigorFlag = boxes.vigor;
  edits.vigor = static_cast<int>(wholeNumber(boxes.vigorText, 0, 100));
  edits.courageFlag = boxes.courage;
  edits.courage = static_cast<int>(wholeNumber(boxes.courageText, 0, 100));
  edits.powerFlag = boxes.power;
  edits.power = static_cast<int>(wholeNumber(boxes.powerText, 0, 100));
  edits.sexFlag = boxes.sex;
  edits.male = boxes.male;
  edits.eggsFlag = boxes.eggs;
  edits.eggCount = static_cast<int>(wholeNumber(boxes.eggsText, 1, 255));
  return edits;
}

std::string lastFourCharacters(const std::filesystem::path& file) {
  return std::string(base::utf8Suffix(fileNameText(file), 4));
}

std::filesystem::path outputPath(const std::filesystem::path& folder, std::string_view name, std::string_view ending) {
  const std::string file = base::strcat(name, ending);
  if (folder.empty()) return base::pathFromUtf8(file);
  return base::pathFromUtf8(ui::joinFolder(base::displayPath(folder), file));
}

bool Netkeeper::load(const std::filesystem::path& file) {
  fishKind_ = nullptr;
  spliceReady_ = false;
  first_.reset();
  image_ = {};
  file_ = file;
  if (file.empty()) return true;  // no file selected: nothing is found in it
  auto image = tankfile::TankImage::load(file);
  if (!image) {
    ui_.message(image.error().message);
    return false;
  }
  image_ = std::move(*image);
  first_ = tankfile::findFirstFishRecord(image_);
  return true;
}

const Kind* Netkeeper::recognise(const std::filesystem::path& file) {
  if (!load(file) || !first_) return nullptr;
  return findKind(tankfile::kindName(image_, *first_));
}

const Kind* Netkeeper::startFish(const std::filesystem::path& file) {
  bool readable = true;
  {
    ui::BusyPointer busy(ui_);
    readable = load(file);
  }
  if (!readable) return nullptr;
  fishKind_ = first_ ? findKind(tankfile::kindName(image_, *first_)) : nullptr;
  if (!fishKind_) {
    ui_.message(kFileDiffers);
    return nullptr;
  }
  const std::size_t fish = fishOfKind(image_, *first_).size(), eggs = eggsOfKind(image_, *first_).size();
  const std::string kind(fishKind_->caption);
  scope_ = fish == 1 ? base::strcat("Edits the one ", kind) : base::strcat("Edits all ", fish, " ", pluralOf(kind));
  if (eggs > 0) scope_ += base::strcat(" and ", eggs, " ", kind, eggs == 1 ? " egg" : " eggs");
  return fishKind_;
}

bool Netkeeper::mayReplace(const std::string& name, std::string_view ending) {
  written_ = outputPath(file_.parent_path(), name, ending);
  return ui::mayWrite(ui_, written_, inPlaceFree_ ? file_ : std::filesystem::path());
}

ui::Outcome Netkeeper::write(std::string_view whatChanged) {
  if (auto saved = image_.save(written_); !saved) {
    ui_.message(saved.error().message);
    return ui::Outcome::Refused;
  }
  const std::filesystem::path folder = written_.parent_path();
  status_ = ui::wroteInText(fileNameText(written_), folder.empty() ? "." : base::displayPath(folder), whatChanged);
  return ui::Outcome::Done;
}

ui::Outcome Netkeeper::confirmFish(FishBoxes& boxes) {
  const EditSet edits = takeEditSet(boxes);
  if (!fishKind_ || !first_) return ui::Outcome::Cancelled;
  if (!ui::namesAFile(boxes.fileName)) {
    ui_.message(ui::kNoFileName);
    return ui::Outcome::Refused;
  }
  status_.clear();
  // Asked before the edits, so that No leaves the loaded image as it was for another OK.
  if (!mayReplace(boxes.fileName, lastFourCharacters(file_))) return ui::Outcome::Cancelled;
  ui::Outcome outcome;
  {
    ui::BusyPointer busy(ui_);
    report_ = applyFishEdits(image_, *first_, edits);
    std::string changed = counted(report_.fish.size(), "fish", "fish");
    if (!report_.eggs.empty()) changed += " and " + counted(report_.eggs.size(), "egg", "eggs");
    outcome = write(changed + " updated");
  }
  if (outcome == ui::Outcome::Done)
    if (auto why = skippedMessage(report_, file_); !why.empty()) ui_.message(why);
  return outcome;
}

std::optional<std::string> Netkeeper::startSplicing(const std::filesystem::path& file) {
  std::string caption;
  {
    ui::BusyPointer busy(ui_);
    if (!load(file)) return std::nullopt;
    if (first_) caption = tankfile::kindName(image_, *first_);
  }
  spliceReady_ = first_ && isGeneCapableName(caption);
  if (!spliceReady_) {
    ui_.message(kFileDiffers);
    return std::nullopt;
  }
  // Splicing writes into every gene-carrying fish, whatever its kind: say which.
  const auto carriers = geneCarriers(image_, *first_);
  std::vector<std::pair<std::string, std::size_t>> kinds;  // in the order first met
  for (std::size_t record : carriers) {
    const std::string kind = shownKind(tankfile::kindName(image_, record));
    auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == kind; });
    if (it == kinds.end()) kinds.emplace_back(kind, 1);
    else ++it->second;
  }
  if (kinds.size() == 1) {
    const auto& [kind, count] = kinds.front();
    scope_ = count == 1 ? base::strcat("Edits the one ", kind) : base::strcat("Edits all ", count, " ", pluralOf(kind));
  } else {
    scope_ = base::strcat("Edits all ", carriers.size(), " gene-carrying fish: ");
    for (std::size_t i = 0; i < kinds.size(); ++i)
      scope_ += base::strcat(i ? ", " : "", kinds[i].second, " ", kinds[i].second == 1 ? kinds[i].first : pluralOf(kinds[i].first));
  }
  return caption;
}

ui::Outcome Netkeeper::confirmGenes(const GeneBoxes& boxes) {
  GeneEdits genes;
  for (std::size_t i = 0; i < tankfile::kGeneCount; ++i) {
    if (!boxes.ticked[i]) continue;
    const double value = std::nearbyint(ui::leadingNumber(boxes.text[i]));
    if (value < 0 || value > 255) {
      ui_.message(base::strcat("Gene ", i + 1, " must be a number from 0 to 255, not \"", boxes.text[i], "\"."));
      return ui::Outcome::Refused;
    }
    genes.ticked[i] = true;
    genes.values[i] = static_cast<std::uint8_t>(value);
  }
  if (!spliceReady_ || !first_) return ui::Outcome::Cancelled;
  if (!ui::namesAFile(boxes.fileName)) {
    ui_.message(ui::kNoFileName);
    return ui::Outcome::Refused;
  }
  status_.clear();
  if (!mayReplace(boxes.fileName, ".fsh")) return ui::Outcome::Cancelled;
  ui::Outcome outcome;
  {
    ui::BusyPointer busy(ui_);
    report_ = applyGeneEdits(image_, *first_, genes);
    outcome = write(base::strcat("genes of ", counted(report_.fish.size(), "fish", "fish"), " updated"));
  }
  if (outcome == ui::Outcome::Done)
    if (auto why = skippedMessage(report_, file_); !why.empty()) ui_.message(why);
  return outcome;
}

std::optional<GeneList> Netkeeper::geneList(const std::filesystem::path& file) {
  ui::BusyPointer busy(ui_);
  const Kind* kind = recognise(file);
  if (!kind || !kind->geneCapable) return std::nullopt;
  GeneList list{std::string(kind->caption), geneListEntries(image_, *first_), {}, {}};
  for (const auto& entry : list.entries) {
    list.lines.push_back(geneListText(entry, codePage_));
    list.nicknames.push_back(nicknameText(entry, codePage_));
  }
  return list;
}

}  // namespace netkeeper
