// netkeeper2's faces agree: the same fish-information boxes and grid edits give the same
// tank from the command line as from the window's flow.
#include <gtest/gtest.h>

#include "netkeeper2/command.hpp"
#include "netkeeper2/netkeeper2.hpp"
#include "samples/wtk.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(Netkeeper2Faces, BothWriteTheSameEditedTanks) {
  test::TempFolder folder;
  const auto& in = folder.path();
  const auto tank = in / "lake.wtk";
  auto sample = samples::sampleWtk();
  ASSERT_TRUE(sample);
  ASSERT_TRUE(base::writeFileAtomically(tank, *sample));

  auto run = test::runVerb(netkeeper2::addCommand, {"netkeeper2", "fish", tank.string(), "--health", "250",
                                                    "--color", "2.5x", "--sex", "F", "--name", "cli"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, (in / "cli.wtk").string() + "\n");
  run = test::runVerb(netkeeper2::addCommand, {"netkeeper2", "grid", tank.string(), "--write", "--set", "3:4=10",
                                               "--toggle-sex", "1", "--name", "cligrid"});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  netkeeper2::Netkeeper2 tool(scripted);
  auto opened = tool.open(tank);
  ASSERT_TRUE(opened);
  netkeeper2::FishBoxes boxes;
  boxes.health = boxes.color = boxes.sex = true;
  boxes.healthText = "250";
  boxes.colorText = "2.5x";
  boxes.male = false;
  boxes.fileName = "window";
  ASSERT_EQ(tool.generate(*opened, boxes, in), ui::Outcome::Done);
  EXPECT_EQ(tool.lastOutput(), in / "window.wtk");
  const auto rows = tool.grid(*opened);
  std::vector<netkeeper2::GridCells> cells;
  for (const auto& row : rows) cells.push_back(row.cells);
  cells[2][netkeeper2::kHealth - 1] = "10";
  cells[0][netkeeper2::kSex - 1] = netkeeper2::toggledSex(cells[0][netkeeper2::kSex - 1]);
  ASSERT_EQ(tool.writeBack(*opened, rows, cells, in, "windowgrid"), ui::Outcome::Done);

  EXPECT_EQ(test::fileBytes(in / "cli.wtk"), test::fileBytes(in / "window.wtk"));
  EXPECT_EQ(test::fileBytes(in / "cligrid.wtk"), test::fileBytes(in / "windowgrid.wtk"));
  EXPECT_NE(test::fileBytes(in / "cli.wtk"), *sample);
  EXPECT_NE(test::fileBytes(in / "cligrid.wtk"), *sample);
}

}  // namespace
