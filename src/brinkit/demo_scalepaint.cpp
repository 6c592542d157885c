// The demo's scalepaint step: a palette that turns the orange sample fish blue, saved as SAVE
// saves it, then MAKE on the sample fish through it, checked pixel by pixel with the fish
// format's own reader.
#include <sstream>

#include "base/file_io.hpp"
#include "brinkit/demo_steps.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "fishfile/run_stream.hpp"
#include "samples/samples.hpp"
#include "scalepaint/scalepaint.hpp"
#include "ui/cli_ui.hpp"

namespace brinkit {

namespace fs = std::filesystem;

namespace {

// The sample fish's colours and the blue ones that take their place, in scalepaint's cube
// (entry n: red 255 - 51·⌊n/36⌋, green 255 - 51·(⌊n/6⌋ mod 6), blue 255 - 51·(n mod 6)).
scalepaint::Cells bluePalette() {
  scalepaint::Table table = scalepaint::identityTable();
  table[17] = 198;   // orange body -> (0, 102, 255)
  table[59] = 211;   // dark orange outline -> (0, 0, 204)
  table[5] = 78;     // yellow belly -> (153, 204, 255)
  table[216] = 237;  // red tail -> blue ramp (0, 0, 190)
  return scalepaint::cellsOf(table);
}

// Every frame of `after` holds the pixels of `before` through the table, and nothing outside
// the animation sets changed.
base::Result<void> checkRecoloured(const base::Bytes& before, const base::Bytes& after, const scalepaint::Table& table) {
  if (before.size() != after.size()) return base::fail("scalepaint's blue fish is not as long as the sample fish.");
  const auto sets = fishfile::findAnimationSets(before);
  if (sets.size() != 4) return base::fail("The sample fish does not hold four animation sets.");
  std::vector<bool> inSet(before.size(), false);
  for (const auto& set : sets) {
    for (std::size_t i = set.dataStart; i < set.dataStart + set.byteCount && i < before.size(); ++i) inSet[i] = true;
    auto framesBefore = fishfile::readAnimationSet(before, set.dataStart, set.byteCount, 0);
    auto framesAfter = fishfile::readAnimationSet(after, set.dataStart, set.byteCount, 0);
    if (!framesBefore || !framesAfter || framesBefore->size() != framesAfter->size())
      return base::fail("scalepaint's blue fish has frames the sample fish has not.");
    for (std::size_t f = 0; f < framesBefore->size(); ++f) {
      const auto& frame = (*framesBefore)[f];
      const std::size_t count = std::size_t{frame.width} * frame.height;
      auto pixels = fishfile::decodeRunStream(frame.stream, count);
      auto recoloured = fishfile::decodeRunStream((*framesAfter)[f].stream, count);
      if (!pixels || !recoloured) return base::fail("A frame of scalepaint's blue fish does not decode.");
      for (auto& p : *pixels) p = p == 0 ? 0 : table[p];
      if (*pixels != *recoloured) return base::fail("A frame of scalepaint's blue fish is not the sample frame through the palette.");
    }
  }
  for (std::size_t i = 0; i < before.size(); ++i)
    if (!inSet[i] && before[i] != after[i]) return base::fail("scalepaint changed a byte outside the animation sets.");
  return {};
}

}  // namespace

base::Result<DemoRows> demoScalepaint(const fs::path& out) {
  auto fish = samples::sampleFish();
  if (!fish) return std::unexpected(fish.error());
  const fs::path source = out / "scalepaint-source.fsh", palette = out / "blue.dat", blue = out / "blue.fsh";
  if (auto written = base::writeFileAtomically(source, *fish); !written) return std::unexpected(written.error());

  std::ostringstream messages;
  ui::CliUi cli(messages, true);  // the demo replaces its own earlier files
  scalepaint::Scalepaint tool(cli, out);
  tool.cells = bluePalette();
  cli.answerDialog(scalepaint::kSaveTitle, palette);
  if (tool.savePalette() != ui::Outcome::Done) return base::fail("scalepaint did not save blue.dat. " + messages.str());

  tool.init();
  cli.answerDialog(scalepaint::kOpenTitle, palette);
  if (tool.openPalette() != ui::Outcome::Done || tool.cells != bluePalette())
    return base::fail("scalepaint did not read blue.dat back as saved. " + messages.str());
  tool.source = base::displayPath(source);
  tool.destination = base::displayPath(blue);
  const auto made = tool.make();
  if (made.outcome != ui::Outcome::Done || made.recoloured.sets != 4)
    return base::fail("scalepaint did not recolour the four animation sets of the sample fish. " + messages.str());

  auto after = base::readFile(blue, 1 << 24);
  if (!after) return std::unexpected(after.error());
  auto table = scalepaint::readCells(bluePalette(), scalepaint::EntryZero::Forced);
  if (auto checked = checkRecoloured(*fish, *after, *table); !checked) return std::unexpected(checked.error());
  std::error_code ec;
  fs::remove(source, ec);
  return DemoRows{
      demoRow(palette, "scalepaint's palette turning the orange fish blue (FILE / SAVE)"),
      demoRow(blue, "scalepaint's MAKE of the sample fish through blue.dat: all 144 frames checked"),
  };
}

}  // namespace brinkit
