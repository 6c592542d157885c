// netkeeper's actions as the person meets them, through a scripted Ui: Start and the Fish
// Infomation OK, Splicing and its OK, the gene list, with their messages and the files written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/file_io.hpp"
#include "netkeeper/netkeeper.hpp"
#include "netkeeper/scenario.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;
using netkeeper::FishBoxes;
using netkeeper::GeneBoxes;
using netkeeper::Netkeeper;
using namespace testtank;

class NetkeeperFlow : public ::testing::Test {
 protected:
  fs::path write(const std::string& name, const Bytes& bytes) {
    auto path = folder.path() / name;
    EXPECT_TRUE(base::writeFileAtomically(path, bytes).has_value());
    return path;
  }
  Bytes read(const fs::path& path) {
    auto bytes = base::readFile(path, 20'000'000);
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes ? *bytes : Bytes{};
  }
  // A small file whose first fish has this kind name.
  static Bytes fishFile(std::string_view kind) {
    Bytes file = filler(2000);
    fishAt(file, 1000, kind);
    return file;
  }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  Netkeeper flow{ui};
};

TEST_F(NetkeeperFlow, StartRecognisesTheKindOrSaysFileDiffers) {
  EXPECT_EQ(flow.startFish({}), nullptr);  // no file selected
  EXPECT_EQ(flow.startFish(write("lower.fsh", fishFile("guppy"))), nullptr);  // names are case-sensitive
  EXPECT_EQ(flow.startFish(write("none.fsh", filler(2000))), nullptr);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"File differs", "File differs", "File differs"}));

  const netkeeper::Kind* guppy = flow.startFish(write("g.fsh", fishFile("Guppy")));
  ASSERT_NE(guppy, nullptr);
  EXPECT_EQ(guppy->number, 16);
  EXPECT_EQ(guppy->presetAge, 95);
  const netkeeper::Kind* denden = flow.startFish(write("d.tqn", fishFile("\x83\x81\x83\x4A\x82\xC5\x82\xF1\x82\xC5\x82\xF1\x92\x8E")));
  ASSERT_NE(denden, nullptr);
  EXPECT_EQ(denden->number, 40);
  EXPECT_EQ(denden->caption, "Denden");
  EXPECT_EQ(denden->presetAge, 700);
  // Kind 20's Japanese bytes are not known: the fish is recognised by its other name.
  const netkeeper::Kind* vorra = flow.startFish(write("v.fsh", fishFile("Vorra-Kess")));
  ASSERT_NE(vorra, nullptr);
  EXPECT_EQ(vorra->number, 42);
  EXPECT_EQ(ui.messages.size(), 3u);
  EXPECT_TRUE(ui.wasBusy);
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(NetkeeperFlow, FishOkWritesFileNameAndTheOpenedFilesEnding) {
  const fs::path fish = write("a.fsh", fishFile("Kingyo"));
  ASSERT_NE(flow.startFish(fish), nullptr);
  FishBoxes boxes;
  EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Done);
  EXPECT_EQ(flow.lastWritten(), folder.path() / "TEMP.fsh");
  Bytes expected = fishFile("Kingyo");
  zeros(expected, 1000 + 266, 6);
  zeros(expected, 1000 + 298, 6);
  ++expected[1000 + 328];
  EXPECT_EQ(read(folder.path() / "TEMP.fsh"), expected);
  EXPECT_EQ(read(fish), fishFile("Kingyo"));  // the opened file is left as it was

  const fs::path upper = write("b.TQN", fishFile("Kingyo"));
  ASSERT_NE(flow.startFish(upper), nullptr);
  boxes.fileName = "lake";
  EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Done);
  EXPECT_EQ(read(folder.path() / "lake.TQN"), expected);

  // The File Name box naming the opened file itself: it is replaced whole, after a Yes.
  const fs::path own = write("own.tqn", fishFile("Kingyo"));
  ASSERT_NE(flow.startFish(own), nullptr);
  boxes.fileName = "own";
  ui.questionAnswers = {ui::Answer::Yes};
  EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Done);
  EXPECT_EQ(read(own), expected);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NetkeeperFlow, FishOkClampsThePercentBoxesInTheBoxesThemselves) {
  ASSERT_NE(flow.startFish(write("a.fsh", fishFile("Discus"))), nullptr);
  FishBoxes boxes;
  boxes.health = boxes.vigor = boxes.courage = boxes.power = boxes.age = boxes.eggs = true;
  boxes.healthText = "-5";
  boxes.vigorText = "250";
  boxes.courageText = "abc";
  boxes.powerText = "42.5";  // halves round to even: 42, stored as 37
  boxes.ageText = "2.5";     // 2 days
  EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Done);
  EXPECT_EQ(boxes.healthText, "0");
  EXPECT_EQ(boxes.vigorText, "100");
  EXPECT_EQ(boxes.courageText, "abc");
  const Bytes out = read(folder.path() / "TEMP.fsh");
  EXPECT_EQ(out[1000 + 276], 0);
  EXPECT_EQ(out[1000 + 290], 100);
  EXPECT_EQ(out[1000 + 294], 0);
  EXPECT_EQ(out[1000 + 312], 37);
  EXPECT_EQ(Bytes(out.begin() + 1272, out.begin() + 1276), (Bytes{0x40, 0x0B, 0x00, 0x00}));  // 2880 minutes
}

TEST_F(NetkeeperFlow, FishOkWithoutARecognisedKindWritesNothing) {
  EXPECT_EQ(flow.startFish(write("x.fsh", fishFile("Nobody"))), nullptr);
  FishBoxes boxes;
  EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Cancelled);
  EXPECT_FALSE(fs::exists(folder.path() / "TEMP.fsh"));
}

TEST_F(NetkeeperFlow, RecordsTooNearTheEndAreLeftAndTold) {
  Bytes file = filler(2400);
  fishAt(file, 1000, "Guppy");
  fishAt(file, 2100, "Guppy");
  ASSERT_NE(flow.startFish(write("t.tqn", file)), nullptr);
  FishBoxes boxes;
  EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Done);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("fish at offset 2100"), std::string::npos) << ui.messages[0];
  const Bytes out = read(folder.path() / "TEMP.tqn");
  EXPECT_EQ(Bytes(out.begin() + 1400, out.end()), Bytes(file.begin() + 1400, file.end()));
}

TEST_F(NetkeeperFlow, SplicingOkWritesFshWhateverTheOpenedFileIs) {
  EXPECT_EQ(flow.startSplicing(write("n.tqn", fishFile("NeonTetra"))), std::nullopt);
  EXPECT_EQ(flow.startSplicing({}), std::nullopt);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"File differs", "File differs"}));
  ui.messages.clear();

  const fs::path tank = write("b.tqn", scenario::tank());
  EXPECT_EQ(flow.startSplicing(tank), "Guppy");
  GeneBoxes boxes;
  boxes.ticked[2] = true;
  boxes.text[2] = "33";
  EXPECT_EQ(flow.confirmGenes(boxes), ui::Outcome::Done);
  EXPECT_EQ(flow.lastWritten(), folder.path() / "TEMP.fsh");
  const Bytes out = read(folder.path() / "TEMP.fsh");
  EXPECT_EQ(out.size(), scenario::kLength);
  EXPECT_EQ(out[scenario::geneAt(scenario::kDiscus) + 4], 33);
  EXPECT_FALSE(fs::exists(folder.path() / "TEMP.tqn"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NetkeeperFlow, SplicingOkRefusesGenesOutside0To255) {
  ASSERT_TRUE(flow.startSplicing(write("b.tqn", scenario::tank())).has_value());
  GeneBoxes boxes;
  boxes.ticked[4] = true;
  boxes.text[4] = "256";
  boxes.text[5] = "-1";  // not ticked: not read
  EXPECT_EQ(flow.confirmGenes(boxes), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Gene 5 must be a number from 0 to 255, not \"256\"."});
  EXPECT_FALSE(fs::exists(folder.path() / "TEMP.fsh"));
  boxes.text[4] = "255";
  EXPECT_EQ(flow.confirmGenes(boxes), ui::Outcome::Done);
}

TEST_F(NetkeeperFlow, GeneListHasTheKindsFishWithNicknamesAndGeneColumns) {
  auto list = flow.geneList(write("b.tqn", scenario::tank()));
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->caption, "Guppy");
  std::vector<std::string> lines;
  for (const auto& entry : list->entries) lines.push_back(netkeeper::geneListLine(entry));
  // Genes k + 1, plus 20 for each fish further on (the discus came between B and C).
  const std::vector<std::string> expected = {
      "Bubbles            1    2    3    4    5    6    7      8    9    10   11   12   13   14   ",
      "                          21   22   23   24   25   26   27     28   29   30   31   32   33   34   ",
      "\x82\xAE\x82\xC1\x82\xD2\x81\x5B                  "
      "41   42   43   44   45   46   47     48   49   50   51   52   53   54   ",
      "Sparkletail1361   62   63   64   65   66   67     68   69   70   71   72   73   74   ",
      "Q                        81   82   83   84   85   86   87     88   89   90   91   92   93   94   ",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(netkeeper::geneListText(list->entries[2], base::CodePage::Cp932).substr(0, 12), "ぐっぴー");

  EXPECT_EQ(flow.geneList(write("n.tqn", fishFile("NeonTetra"))), std::nullopt);
  EXPECT_EQ(flow.geneList(write("z.tqn", filler(100))), std::nullopt);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NetkeeperFlow, AFileTooLongIsToldAndNothingIsWritten) {
  const fs::path big = folder.path() / "big.tqn";
  {
    std::ofstream out(big, std::ios::binary);
    out.seekp(10'000'000);
    out.put('\x01');
  }
  EXPECT_EQ(flow.startFish(big), nullptr);
  EXPECT_EQ(flow.startSplicing(big), std::nullopt);
  EXPECT_EQ(flow.geneList(big), std::nullopt);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_NE(ui.messages[0].find("10,000,000 bytes"), std::string::npos) << ui.messages[0];
}

TEST_F(NetkeeperFlow, ATankCutAnywhereGivesAMessageOrAnEdit) {
  const Bytes whole = scenario::tank();
  for (std::size_t length = 0; length <= whole.size(); length += (length < 14000 ? 997 : 13)) {
    const fs::path cut = write("cut.tqn", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
    ui.messages.clear();
    for (const char* earlier : {"TEMP.tqn", "TEMP.fsh"}) fs::remove(folder.path() / earlier);
    if (flow.startFish(cut)) {
      FishBoxes boxes;
      boxes.sex = boxes.age = boxes.eggs = true;
      boxes.ageText = "5";
      EXPECT_EQ(flow.confirmFish(boxes), ui::Outcome::Done) << length;
      EXPECT_EQ(fs::file_size(folder.path() / "TEMP.tqn"), length);
    } else {
      EXPECT_EQ(ui.messages, std::vector<std::string>{"File differs"}) << length;
    }
    if (flow.startSplicing(cut)) {
      GeneBoxes boxes;
      boxes.ticked.fill(true);
      EXPECT_EQ(flow.confirmGenes(boxes), ui::Outcome::Done) << length;
    }
    flow.geneList(cut);
  }
}

TEST(NetkeeperNames, OutputNamesTakeTheLastFourCharacters) {
  EXPECT_EQ(netkeeper::lastFourCharacters("/x/lake.tqn"), ".tqn");
  EXPECT_EQ(netkeeper::lastFourCharacters("/x/ab"), "ab");
  EXPECT_EQ(netkeeper::lastFourCharacters(u8"/x/池の魚.fs"), "魚.fs");
  EXPECT_EQ(netkeeper::outputPath("C:\\", "TEMP", ".fsh"), fs::path("C:\\TEMP.fsh"));
  EXPECT_EQ(netkeeper::outputPath("/tanks", "TEMP", ".fsh"), fs::path("/tanks/TEMP.fsh"));
  EXPECT_EQ(netkeeper::versionLabel(), "Version 1.0.0");
}

}  // namespace
