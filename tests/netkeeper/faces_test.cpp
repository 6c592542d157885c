// netkeeper's faces agree: the same Fish Infomation and Splicing boxes give the same files
// from the command line as from the window's flow.
#include <gtest/gtest.h>

#include "netkeeper/command.hpp"
#include "netkeeper/netkeeper.hpp"
#include "samples/tank.hpp"
#include "support/test_folder.hpp"
#include "support/verb.hpp"
#include "ui/scripted_ui.hpp"

namespace {

TEST(NetkeeperFaces, BothWriteTheSameEditedFiles) {
  test::TempFolder folder;
  const auto tank = folder.path() / "lake.tqn";
  ASSERT_TRUE(samples::writeTank(tank));

  auto run = test::runVerb(netkeeper::addCommand, {"netkeeper", "fish", tank.string(), "--health", "150", "--power",
                                                   "40abc", "--sex", "W", "--eggs", "0", "--name", "CLI"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  run = test::runVerb(netkeeper::addCommand,
                      {"netkeeper", "genes", tank.string(), "--gene", "3=200", "--gene", "14=7", "--name", "CLIGENES"});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  ui::ScriptedUi scripted;
  netkeeper::Netkeeper tool(scripted);
  ASSERT_NE(tool.startFish(tank), nullptr);
  netkeeper::FishBoxes fish;
  fish.health = fish.power = fish.sex = fish.eggs = true;
  fish.healthText = "150";
  fish.powerText = "40abc";
  fish.male = false;
  fish.eggsText = "0";
  fish.fileName = "WINDOW";
  ASSERT_EQ(tool.confirmFish(fish), ui::Outcome::Done);
  ASSERT_TRUE(tool.startSplicing(tank));
  netkeeper::GeneBoxes genes;
  genes.ticked[2] = genes.ticked[13] = true;
  genes.text[2] = "200";
  genes.text[13] = "7";
  genes.fileName = "WINDOWGENES";
  ASSERT_EQ(tool.confirmGenes(genes), ui::Outcome::Done);

  const auto& in = folder.path();
  EXPECT_EQ(test::fileBytes(in / "CLI.tqn"), test::fileBytes(in / "WINDOW.tqn"));
  EXPECT_EQ(test::fileBytes(in / "CLIGENES.fsh"), test::fileBytes(in / "WINDOWGENES.fsh"));
  EXPECT_NE(test::fileBytes(in / "CLI.tqn"), test::fileBytes(tank));
  EXPECT_NE(test::fileBytes(in / "CLIGENES.fsh"), test::fileBytes(tank));
}

}  // namespace
