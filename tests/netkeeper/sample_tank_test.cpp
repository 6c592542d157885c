// The sample tank that the demo and the command-line tests use holds what they rely on.
#include <gtest/gtest.h>

#include "netkeeper/edits.hpp"
#include "netkeeper/gene_list.hpp"
#include "samples/tank.hpp"
#include "tankfile/records.hpp"

namespace {

TEST(SampleTank, HoldsWaterGuppiesWithADiscusBetweenEggsAndBothGenePlaces) {
  auto bytes = samples::sampleTank();
  ASSERT_TRUE(bytes.has_value()) << bytes.error().message;
  auto image = tankfile::TankImage::fromBytes(*bytes);
  ASSERT_TRUE(image.has_value());

  auto w = tankfile::findWaterBlock(*image);
  ASSERT_TRUE(w.has_value());
  const auto water = tankfile::waterValues(*image, *w);
  EXPECT_EQ(water[0], 60000u);
  EXPECT_TRUE(tankfile::acceptsWaterEditing(water));

  auto n = tankfile::findFirstFishRecord(*image);
  ASSERT_TRUE(n.has_value());
  EXPECT_EQ(tankfile::kindName(*image, *n), "Guppy");
  EXPECT_EQ(tankfile::genePlace(*image, *n), static_cast<tankfile::Offset>(*n + 1606));

  auto fishEdit = *image;
  EXPECT_EQ(netkeeper::applyFishEdits(fishEdit, *n, {}).fish.size(), 5u);  // the guppies
  auto geneEdit = *image;
  const auto genes = netkeeper::applyGeneEdits(geneEdit, *n, {});
  EXPECT_EQ(genes.fish.size(), 7u);  // and the discus and the kingyo
  EXPECT_EQ(tankfile::genePlace(*image, genes.fish[1]), static_cast<tankfile::Offset>(genes.fish[1] - 36));
  auto entries = netkeeper::geneListEntries(*image, *n);
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(netkeeper::nicknameText(entries[0], base::CodePage::Cp932), "ひかり");
  EXPECT_EQ(tankfile::findNextEggRecord(*image, 0).has_value(), true);
}

}  // namespace
