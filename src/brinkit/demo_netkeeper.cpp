// The demo's netkeeper step: the sample tank, its guppies made young, healthy males with 50
// eggs (Fish Infomation's OK), their genes spliced (Splicing's OK), and the gene list, each
// checked by reading the records back.
#include <sstream>

#include "base/file_io.hpp"
#include "brinkit/demo_steps.hpp"
#include "netkeeper/netkeeper.hpp"
#include "netkeeper/water.hpp"
#include "samples/tank.hpp"
#include "tankfile/records.hpp"
#include "ui/cli_ui.hpp"

namespace brinkit {

namespace fs = std::filesystem;

namespace {

base::Result<tankfile::TankImage> loadImage(const fs::path& path) { return tankfile::TankImage::load(path); }

// Every guppy of the edited tank holds the values written; the discus and the neon do not.
base::Result<void> checkFishEdits(const tankfile::TankImage& before, const tankfile::TankImage& after) {
  std::size_t guppies = 0;
  auto n = tankfile::findFirstFishRecord(after);
  for (; n; n = tankfile::findNextFishRecord(after, *n + 400)) {
    const auto at = static_cast<tankfile::Offset>(*n);
    const bool guppy = tankfile::kindName(after, *n) == "Guppy";
    const bool edited = after.u32At(at + tankfile::fish::kAge) == 30u * 1440 && after.byteAt(at + tankfile::fish::kHealth) == 100 &&
                        after.byteAt(at + tankfile::fish::kSex) == 'M' && after.byteAt(at + tankfile::fish::kGuppySex) == 3 &&
                        after.u32At(at + tankfile::fish::kId) == before.u32At(at + tankfile::fish::kId) + 1;
    if (guppy && !edited) return base::fail("netkeeper left a guppy of the sample tank unedited.");
    if (!guppy && after.u32At(at + tankfile::fish::kId) != before.u32At(at + tankfile::fish::kId))
      return base::fail("netkeeper edited a fish that is not a guppy.");
    guppies += guppy ? 1 : 0;
  }
  if (guppies != 5) return base::fail("netkeeper's edited tank does not hold the five guppies.");
  return {};
}

}  // namespace

base::Result<DemoRows> demoNetkeeper(const fs::path& out) {
  const fs::path lake = out / "lake.tqn", edited = out / "young.tqn", spliced = out / "spliced.fsh", genes = out / "genes.txt";
  if (auto written = samples::writeTank(lake); !written) return std::unexpected(written.error());
  std::ostringstream messages;
  ui::CliUi cli(messages);
  netkeeper::Netkeeper tool(cli);

  if (!tool.startFish(lake)) return base::fail("netkeeper did not recognise the sample tank's guppies. " + messages.str());
  netkeeper::FishBoxes boxes;
  boxes.age = boxes.health = boxes.sex = boxes.eggs = true;
  boxes.ageText = "30";
  boxes.eggsText = "50";
  boxes.fileName = "young";
  if (tool.confirmFish(boxes) != ui::Outcome::Done) return base::fail("netkeeper did not write young.tqn. " + messages.str());
  auto before = loadImage(lake);
  auto after = loadImage(edited);
  if (!before || !after) return base::fail("netkeeper's young.tqn cannot be read back.");
  if (auto checked = checkFishEdits(*before, *after); !checked) return std::unexpected(checked.error());

  if (!tool.startSplicing(lake)) return base::fail("netkeeper did not accept the sample tank for splicing. " + messages.str());
  netkeeper::GeneBoxes geneBoxes;
  geneBoxes.ticked[0] = geneBoxes.ticked[13] = true;
  geneBoxes.text[0] = "200";
  geneBoxes.text[13] = "7";
  geneBoxes.fileName = "spliced";
  if (tool.confirmGenes(geneBoxes) != ui::Outcome::Done || tool.lastReport().fish.size() != 7)
    return base::fail("netkeeper did not splice the seven gene-carrying fish of the sample tank. " + messages.str());
  auto splicedImage = loadImage(spliced);
  if (!splicedImage) return std::unexpected(splicedImage.error());
  for (auto n : tool.lastReport().fish) {
    const auto g = tankfile::genesAt(*splicedImage, tankfile::genePlace(*splicedImage, n));
    if (g[0] != 200 || g[13] != 7) return base::fail("netkeeper's spliced.fsh misses a gene written.");
  }

  auto list = tool.geneList(spliced);
  if (!list || list->entries.size() != 5) return base::fail("netkeeper's gene list of spliced.fsh does not show the five guppies.");
  std::string text = std::string(netkeeper::kFirstGeneListLine) + '\n';
  for (const auto& line : list->lines) text += line + '\n';
  if (auto written = base::writeFileAtomically(genes, base::asBytes(text)); !written) return std::unexpected(written.error());

  // Watter Settings: warmer water at a new volume; the other values follow the volume.
  netkeeper::Water water(cli);
  auto dialog = water.load(lake);
  if (!dialog) return base::fail("netkeeper did not open the sample tank's water. " + messages.str());
  dialog->boxes[1] = "28";
  dialog->boxes[netkeeper::kVolumeBox] = "90";
  dialog->volumeChange = true;
  dialog->fileName = "warm";
  if (water.update(*dialog, out) != ui::Outcome::Done) return base::fail("netkeeper did not write warm.tqn. " + messages.str());
  auto warm = water.load(out / "warm.tqn");
  if (!warm || warm->loaded[1] != 28000 || warm->loaded[netkeeper::kVolumeBox] != 90000 || warm->shown[4] != dialog->shown[4])
    return base::fail("netkeeper's warm.tqn does not hold 28 degrees and 90 litres at the same concentrations.");
  return DemoRows{
      demoRow(lake, "sample tank: water, guppies with a discus between, a neon, a kingyo, eggs (brinkit samples tank)"),
      demoRow(edited, "netkeeper's Fish Infomation OK: the five guppies 30 days old, health 100, male; their eggs 50"),
      demoRow(spliced, "netkeeper's Splicing OK: genes 1 and 14 of the seven gene-carrying fish, in both gene places"),
      demoRow(genes, "netkeeper's gene list of spliced.fsh (UTF-8)"),
      demoRow(out / "warm.tqn", "netkeeper's Watter Settings UPDATE: 28 degrees, 90 litres, the same concentrations"),
  };
}

}  // namespace brinkit
