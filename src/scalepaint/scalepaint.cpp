#include "scalepaint/scalepaint.hpp"

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "resfile/resfile.hpp"
#include "ui/overwrite.hpp"
#include "ui/paths.hpp"

namespace scalepaint {

namespace fs = std::filesystem;

namespace {

std::string latin1ToUtf8(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

}  // namespace

std::string caption(const Edition& edition) {
  return base::strcat(kProgramName, "      Ver ", edition.version.major, ".", edition.version.minor, ".",
                      edition.version.revision);
}

Scalepaint::Scalepaint(ui::Ui& ui, const fs::path& currentFolder, const Edition& edition)
    : destination(ui::defaultOutputPath(currentFolder, kDefaultExtension)), ui_(ui), edition_(edition) {
  init();
}

void Scalepaint::init() { cells = identityCells(); }

void Scalepaint::fill() { cells = filledCells(cells[0]); }

ui::Outcome Scalepaint::openPalette() {
  auto chosen = ui_.openFile({kOpenTitle, kPaletteFilter, {}, {}});
  if (!chosen || chosen->empty()) return ui::Outcome::Cancelled;
  return openPaletteFile(*chosen);
}

ui::Outcome Scalepaint::openPaletteFile(const fs::path& chosen) {
  auto file = base::readFile(chosen, kMaxPaletteFileSize);
  if (!file) {
    ui_.message(file.error().message, {.title = {}, .detail = "The palette was left as it was."});
    return ui::Outcome::Refused;
  }
  auto table = parsePaletteFile(*file);
  if (!table) {
    ui_.message(base::strcat("Cannot use the palette file ", base::displayPath(chosen), ": ", base::withFullStop(table.error().message)),
                {.title = {}, .detail = "The palette was left as it was."});
    return ui::Outcome::Refused;
  }
  cells = cellsOf(*table);
  paletteFile = chosen;
  return ui::Outcome::Done;
}

ui::Outcome Scalepaint::savePalette() {
  auto table = readCells(cells, EntryZero::FromCell);
  if (!table) {
    ui_.message(table.error().message, {.title = {}, .detail = "No palette file was written."});
    return ui::Outcome::Refused;
  }
  auto chosen = ui_.saveFile({kSaveTitle, kPaletteFilter, {}, {}});
  if (!chosen || chosen->empty()) return ui::Outcome::Cancelled;
  if (!ui::mayWrite(ui_, *chosen)) return ui::Outcome::Cancelled;
  if (auto written = base::writeFileAtomically(*chosen, base::asBytes(paletteFileText(*table))); !written) {
    ui_.message(written.error().message, {.title = {}, .detail = "No palette file was written."});
    return ui::Outcome::Refused;
  }
  paletteFile = *chosen;
  return ui::Outcome::Done;
}

ui::Outcome Scalepaint::chooseSource() {
  auto chosen = ui_.openFile({kOpenTitle, edition_.sourceFilter, {}, {}});
  if (!chosen || chosen->empty()) return ui::Outcome::Cancelled;
  source = base::displayPath(*chosen);
  return ui::Outcome::Done;
}

bool Scalepaint::haveSource() {
  if (!source.empty()) return true;
  ui_.message(kNoSource);
  return false;
}

MakeResult Scalepaint::make() {
  MakeResult result;
  if (!haveSource()) return result;
  auto table = readCells(cells, EntryZero::Forced);
  if (!table) {
    ui_.message(table.error().message, {.title = {}, .detail = "Nothing was written."});
    return result;
  }
  ui::BusyPointer busy(ui_);
  const fs::path sourcePath = base::pathFromUtf8(source);
  auto bytes = base::readFile(sourcePath, kMaxSourceSize);
  if (!bytes) {
    ui_.message(bytes.error().message, {.title = {}, .detail = "Nothing was written."});
    return result;
  }
  if (resfile::mapOffset(*bytes) == 0) {
    ui_.message(base::strcat(source, " is not a fish or tank file: its header gives no resource map (map offset 0)."),
                {.title = {}, .detail = "Nothing was written."});
    return result;
  }
  result.recoloured = recolourFile(*bytes, *table, ui_);
  if (result.recoloured.stopped) {  // nothing was written: as if cancelled
    result.outcome = ui::Outcome::Cancelled;
    return result;
  }
  if (result.recoloured.sets == 0) {
    ui_.message(base::strcat("No animation sets found in ", source, ": there is nothing to recolour."),
                {.title = {}, .detail = "Nothing was written."});
    return result;
  }

  if (destination.empty()) {
    ui_.message("Type the file to write in the Destinate box.", {.title = {}, .detail = "Nothing was written."});
    return result;
  }
  const fs::path target = base::pathFromUtf8(destination);
  // The source is never changed, whatever path or link names it as the destination.
  if (std::error_code ec; fs::equivalent(sourcePath, target, ec)) {
    ui_.message(base::strcat(destination, " is the source file: MAKE never changes its source. Type another file in the Destinate box."),
                {.title = {}, .detail = "Nothing was written."});
    return result;
  }
  if (!ui::mayWrite(ui_, target)) {
    result.outcome = ui::Outcome::Cancelled;
    return result;
  }
  if (auto written = base::writeFileAtomically(target, *bytes); !written) {
    ui_.message(written.error().message, {.title = {}, .detail = "Nothing was written."});
    return result;
  }
  result.outcome = ui::Outcome::Done;
  result.output = target;
  result.bytes = bytes->size();
  return result;
}

PreviewResult Scalepaint::preview() {
  PreviewResult result;
  if (!haveSource()) return result;
  ui::BusyPointer busy(ui_);
  auto loaded = loadPreviewSource(base::pathFromUtf8(source));
  if (!loaded) {
    ui_.message(loaded.error().message);
    return result;
  }
  auto table = readCells(cells, EntryZero::Forced);
  if (!table) {
    ui_.message(table.error().message, {.title = {}, .detail = "Nothing was drawn."});
    return result;
  }
  result.outcome = ui::Outcome::Done;
  result.kindName = loaded->kindName;
  auto kindText = base::fromCodePage(result.kindName, codePage_);
  result.kindText = kindText ? std::move(*kindText) : latin1ToUtf8(result.kindName);
  result.foundSet = loaded->setStart.has_value();
  result.frame = firstFrameInfo(*loaded);
  result.image = drawPreview(*loaded, *table);
  std::vector<fishfile::AnimationSetLocation> sets;
  for (const ResourceSpot& set : loaded->fishSets) sets.push_back({set.dataStart, set.byteCount});
  if (auto animations = fishfile::decodeAnimationSets(loaded->data, sets)) result.animations = std::move(*animations);
  else result.animationProblem = animations.error().message;
  result.table = *table;
  return result;
}

}  // namespace scalepaint
