#include "finwright/finwright.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/file_io.hpp"
#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/user_folders.hpp"
#include "base/utf8.hpp"
#include "finwright/pipeline.hpp"
#include "fishfile/fish_library.hpp"
#include "ui/number_box.hpp"

namespace finwright {

namespace fs = std::filesystem;

namespace {

// Lines of the description end in CR LF in the file, as the host's text boxes write them.
std::string withCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

std::string windowCaption() {
  return base::strcat("Finwright for Brinmoor  Version ", kVersionMajor, ".", kVersionMinor, ".", kVersionRevision);
}

std::optional<TooLong> tooLong(const Boxes& boxes) {
  auto characters = [](const std::string& text) { return base::utf8Length(text); };  // as the boxes count them
  const std::pair<const char*, const std::string*> shortBoxes[] = {
      {"name", &boxes.name}, {"latin", &boxes.latin}, {"genre", &boxes.genre}, {"habitat", &boxes.habitat}};
  for (const auto& [box, text] : shortBoxes)
    if (characters(*text) > kShortTextLimit) return TooLong{box, characters(*text), kShortTextLimit};
  if (characters(boxes.description) > kDescriptionLimit)
    return TooLong{"description", characters(boxes.description), kDescriptionLimit};
  return std::nullopt;
}

Finwright::Finwright(ui::Ui& ui, const fs::path& startFolder, base::CodePage codePage)
    : ui_(ui), startFolder_(startFolder), codePage_(codePage) {}

std::vector<fs::path> Finwright::libraryPlaces() const {
  std::vector<fs::path> places;
  std::error_code ec;
  auto add = [&](const fs::path& file) {
    if (file.empty()) return;
    const fs::path place = fs::absolute(file, ec).lexically_normal();
    if (!ec && std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
  };
  add(chosen_);
  add(startFolder_ / kLibraryName);
  if (const fs::path data = base::userDataFolder(); !data.empty()) add(data / kLibraryName);
  if (const fs::path program = base::programFolder(); !program.empty()) add(program / kLibraryName);
  return places;
}

fs::path Finwright::library() const {
  if (!library_.empty()) return library_;
  std::error_code ec;
  for (const fs::path& place : libraryPlaces())
    if (fs::is_regular_file(place, ec)) return place;
  return {};
}

ui::Outcome Finwright::icon() {
  auto file = ui_.openFile({kIconTitle, kIconFilter, {}, {}});
  if (!file) return ui::Outcome::Cancelled;
  return chooseIcon(*file);
}

ui::Outcome Finwright::chooseIcon(const fs::path& file) {
  iconPath_ = base::displayPath(file);
  // Only the bits-per-pixel byte is looked at; a file of 32 bytes or less is taken as it is.
  // The length is that of the bytes read, not one asked for before: the file may change between.
  auto data = base::readFile(file, kWorkBufferSize);
  if (data && data->size() > 32) {
    auto bits = base::Reader(*data, 28).u8("bits per pixel");
    if (bits && *bits > 8) {
      ui_.message(kIconRefused);
      iconPath_.clear();
      return ui::Outcome::Refused;
    }
  }
  return ui::Outcome::Done;
}

void Finwright::setFolder() {
  if (auto folder = ui_.chooseFolder(imageFolder_.empty() ? fs::current_path() : base::pathFromUtf8(imageFolder_)))
    imageFolder_ = base::displayPath(*folder);
}

BuildResult Finwright::build() {
  auto refuse = [&](const char* text) {
    ui_.message(text);
    return BuildResult{ui::Outcome::Refused, {}, 0};
  };
  if (iconPath_.empty()) return refuse(kNoIcon);
  if (imageFolder_.empty()) return refuse(kNoImageFolder);
  const double id = ui::leadingNumber(boxes.id);
  if (id < 0 || id > fishfile::kMaxFishId) return refuse(kIdRange);
  if (boxes.name.empty()) return refuse(kNoFishName);
  // What can be known before the save dialog is checked before it, so nobody names a file
  // only to hear that the build could never start; the build checks again, as files change.
  if (auto ok = checkInputs(); !ok) {
    ui_.message(ok.error().message);
    return BuildResult{ui::Outcome::Refused, {}, 0};
  }
  auto output = ui_.saveFile({kMakeFishTitle, kMakeFishFilter, {}, {}});
  if (!output) return {ui::Outcome::Cancelled, {}, 0};
  return buildTo(*output);
}

base::Result<void> Finwright::checkInputs() const {
  const fs::path found = this->library();
  if (found.empty()) {
    // Every place looked at, and where the person's own copy belongs.
    const std::vector<fs::path> places = libraryPlaces();
    std::string looked;
    for (std::size_t i = 0; i < places.size(); ++i)
      looked += base::strcat(i == 0 ? "" : i + 1 == places.size() ? " or " : ", ", base::displayPath(places[i]));
    const fs::path data = base::userDataFolder();
    return base::fail(base::strcat("The fish library ", kLibraryName,
                                   ", the template every new fish file is built from, was not found at ", looked, ". ",
                                   data.empty() ? std::string("Put one beside the program") : "Put one into " + base::displayPath(data),
                                   ", or ", howToChooseLibrary, "."));
  }
  const fs::path library = fs::absolute(found);
  if (!fs::exists(library))
    return base::fail(base::strcat("The fish library ", base::displayPath(found.filename()),
                                   ", the template every new fish file is built from, was not found at ",
                                   base::displayPath(library), "."));
  auto data = base::readFile(library, kWorkBufferSize);
  if (!data)
    return base::fail(base::strcat("The fish library, the template every new fish file is built from, cannot be used. ",
                                   data.error().message));
  if (auto entries = fishfile::readFishLibrary(*data); !entries) return std::unexpected(entries.error());
  for (const std::string* text : {&boxes.name, &boxes.latin, &boxes.genre, &boxes.habitat, &boxes.description})
    if (auto bytes = base::toSingleByteCodePage(*text, codePage_); !bytes) return std::unexpected(bytes.error());
  return {};
}

BuildResult Finwright::buildTo(const fs::path& output) {
  ui::BusyPointer busy(ui_);
  auto fail = [&](const base::Error& error) {
    ui_.message(error.message);
    return BuildResult{ui::Outcome::Refused, {}, 0};
  };
  const fs::path work = work_.path();
  if (auto ok = work_.empty(); !ok) return fail(ok.error());
  if (auto ok = extractLibrary(library(), work); !ok) return fail(ok.error());

  auto icon = base::readFile(base::pathFromUtf8(iconPath_), kWorkBufferSize);
  if (!icon) return fail(icon.error());
  if (auto ok = base::writeFileAtomically(work / "007.dat", *icon); !ok) return fail(ok.error());
  auto encoded = encodeFrames(base::pathFromUtf8(imageFolder_), work, ui_);
  if (!encoded) return fail(encoded.error());
  if (!*encoded) return {ui::Outcome::Cancelled, {}, 0};  // stopped: nothing written
  if (auto ok = buildAnimationSets(work); !ok) return fail(ok.error());

  fishfile::FishTexts texts;
  const std::pair<const std::string*, std::string*> fields[] = {{&boxes.name, &texts.name},       {&boxes.latin, &texts.latin},
                                                                {&boxes.genre, &texts.genre},     {&boxes.habitat, &texts.habitat},
                                                                {&boxes.description, &texts.description}};
  for (const auto& [typed, converted] : fields) {
    auto bytes = base::toSingleByteCodePage(*typed, codePage_);
    if (!bytes) return fail(bytes.error());
    *converted = std::move(*bytes);
  }
  texts.description = withCrLf(texts.description);
  // R rounds half to even, as the number box's value may carry a fraction.
  const auto R = static_cast<std::uint16_t>(std::nearbyint(ui::leadingNumber(boxes.id) * 200 + 300));
  auto fish = assembleFromWorkFolder(work, R, texts);
  if (!fish) return fail(fish.error());
  if (auto ok = base::writeFileAtomically(output, *fish); !ok) return fail(ok.error());
  return {ui::Outcome::Done, output, fish->size()};
}

}  // namespace finwright
