#include "pelletry/pelletry.hpp"

#include <cmath>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "foodfile/foodfile.hpp"
#include "resfile/resfile.hpp"
#include "ui/number_box.hpp"
#include "ui/overwrite.hpp"
#include "ui/paths.hpp"

namespace pelletry {

namespace fs = std::filesystem;
using namespace foodfile;

namespace {

constexpr double kTwipsPerPixel = 15;

const char* codePageName(base::CodePage page) { return page == base::CodePage::Cp932 ? "932" : "1252"; }

}  // namespace

std::string memoAsStored(std::string_view typed) {
  std::string stored;
  stored.reserve(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == '\n' && (i == 0 || typed[i - 1] != '\r')) stored += '\r';
    stored += typed[i];
  }
  return stored;
}

std::size_t memoCharacters(std::string_view typed) { return base::utf16Length(memoAsStored(typed)); }

fs::path withFoodExtension(const fs::path& chosen) {
  const std::string name = base::displayPath(chosen);
  const std::string_view lastThree = base::utf8Suffix(name, 3);
  if (base::utf8Length(lastThree) == 3 && lastThree.front() == '.')
    return base::pathFromUtf8(name.substr(0, name.size() - lastThree.size()) + ".fd");
  return base::pathFromUtf8(name + ".fd");
}

ui::Outcome Pelletry::choosePicture() {
  auto file = ui_.openFile({kOpenTitle, kBitmapFilter, {}, {}});
  if (!file || file->empty()) return ui::Outcome::Cancelled;
  picture_ = base::displayPath(*file);
  return ui::Outcome::Done;
}

ui::Outcome Pelletry::addFrame() {
  if (strip_.full()) {
    ui_.message(kStripFull);
    return ui::Outcome::Refused;
  }
  auto file = ui_.openFile({kOpenTitle, kBitmapFilter, {}, {}});
  if (!file || file->empty()) return ui::Outcome::Cancelled;
  strip_.add(base::displayPath(*file));
  return ui::Outcome::Done;
}

void Pelletry::newFood() {
  strip_.clear();
  picture_.clear();
}

SaveResult Pelletry::refuse(const std::string& text, const std::string& detail) {
  ui_.message(text, {.title = {}, .detail = detail});
  return {ui::Outcome::Refused, Stop::None, {}, 0};
}

SaveResult Pelletry::save() {
  // 1. A name, and texts that fit their fields in the code page's bytes.
  if (boxes.name.empty()) return refuse(kNoName);
  const std::string memo = memoAsStored(boxes.memo);
  if (const std::size_t characters = memoCharacters(boxes.memo); characters > kMemoChars)
    return refuse(base::strcat("The memo is ", characters, " characters long; it holds at most ", kMemoChars,
                               " (a line break counts two)."));
  const struct {
    const std::string& typed;
    const char* what;
    std::size_t room;
  } texts[] = {{boxes.name, "food name", kNameBytes}, {memo, "memo", kMemoBytes}};
  std::string encoded[2];
  for (std::size_t i = 0; i < 2; ++i) {
    auto bytes = encodeAnsiText(texts[i].typed, codePage_);
    if (!bytes)
      return refuse(base::strcat("The ", texts[i].what, " cannot be written in code page ", codePageName(codePage_), "."),
                    bytes.error().message);
    if (bytes->size() > texts[i].room)
      return refuse(base::strcat("The ", texts[i].what, " is ", bytes->size(), " bytes long in code page ",
                                 codePageName(codePage_), "; it holds at most ", texts[i].room,
                                 " bytes (a double-byte character counts two)."));
    encoded[i] = std::move(*bytes);
  }
  // 2. A picture.
  if (picture_.empty()) return {ui::Outcome::Cancelled, Stop::NoPicture, {}, 0};
  // 3. The ID box's value; text that is no number reads 0.
  const double id = ui::leadingNumber(boxes.id);
  if (!(id >= 0 && id <= 127)) return refuse(kIdRange);
  // 4. At least one frame.
  if (strip_.empty()) return {ui::Outcome::Cancelled, Stop::NoFrames, {}, 0};
  // 5-7. Where to save, and whether to replace what is there.
  auto chosen = ui_.saveFile({kSaveTitle, kFoodFilter, {}, {}});
  if (!chosen || chosen->empty()) return {ui::Outcome::Cancelled, Stop::NoFile, {}, 0};
  // "DIR/" would become the hidden "DIR/.fd".
  if (!ui::namesAFile(base::displayPath(*chosen)))
    return refuse(base::strcat(base::displayPath(*chosen), " names a folder, not a file: give the name of the food file to write."));
  const fs::path output = withFoodExtension(*chosen);
  if (!ui::mayWrite(ui_, output)) return {ui::Outcome::Cancelled, Stop::Declined, {}, 0};

  // 8. The build, from the files as they are now; one that vanished or is no bitmap is named.
  ui::BusyPointer busy(ui_);
  const std::vector<std::string> framePaths = strip_.paths();
  std::vector<base::Bytes> files;
  files.reserve(1 + framePaths.size());
  for (std::size_t i = 0; i <= framePaths.size(); ++i) {
    const std::string& path = i == 0 ? picture_ : framePaths[i - 1];
    const std::string what = i == 0 ? std::string("picture") : base::strcat("frame ", i);
    auto data = base::readFile(base::pathFromUtf8(path), resfile::kMaxFileSize);
    if (!data) return refuse(base::strcat("The ", what, " cannot be used. ", data.error().message), "Nothing was written.");
    if (auto ok = checkBitmap(*data); !ok)
      return refuse(base::strcat("The ", what, " ", path, " ", ok.error().message), "Nothing was written.");
    files.push_back(std::move(*data));
  }
  std::vector<base::ByteSpan> frames(files.begin() + 1, files.end());
  FoodInputs inputs{encoded[0], encoded[1], resourceNumber(id), boxes.kind, files[0], frames};
  auto food = buildFoodFile(inputs);
  if (!food) return refuse(food.error().message, "Nothing was written.");

  // 9. Written whole, in place of any old file only once complete.
  if (auto ok = base::writeFileAtomically(output, *food); !ok) return refuse(ok.error().message);
  return {ui::Outcome::Done, Stop::None, output, food->size()};
}

int twipsToPixels(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

PreviewPlacement placePreview(const Box& main, int frameWidth, int frameHeight) {
  PreviewPlacement p;
  p.window = {main.left + twipsToPixels(50), main.top + twipsToPixels(600), main.width - twipsToPixels(100),
              main.height - twipsToPixels(650)};
  if (frameWidth < p.window.width) {
    p.pictureLeft = (p.window.width - frameWidth) / 2;
  } else {
    const int excess = frameWidth - p.window.width;
    p.window.width = frameWidth;
    p.window.left = main.left - excess / 2;
  }
  if (frameHeight < p.window.height) {
    p.pictureTop = (p.window.height - frameHeight) / 2;
  } else {
    const int excess = frameHeight - p.window.height;
    p.window.height = frameHeight;
    p.window.top = main.top + twipsToPixels(400) - excess / 2;
  }
  return p;
}

Box placeAbout(const Box& main, int width, int height) {
  return {main.left + twipsToPixels(600), main.top + twipsToPixels(600), width, height};
}

std::size_t PreviewCounter::tick(std::size_t frameCount) {
  if (frameCount == 0) return 0;
  if (next_ >= frameCount) next_ = 0;  // the strip may have changed since the last tick
  const std::size_t shown = next_;
  next_ = (next_ + 1) % frameCount;
  return shown;
}

}  // namespace pelletry
