#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/file_io.hpp"
#include "support/test_folder.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;

Bytes contents(const fs::path& path) { return *base::readFile(path, 1 << 20); }

TEST(FileIo, WritesAndReplacesWholeFiles) {
  test::TempFolder folder;
  const auto path = folder.path() / "out.bin";
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes{1, 2, 3}));
  EXPECT_EQ(contents(path), (Bytes{1, 2, 3}));
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes{9}));
  EXPECT_EQ(contents(path), (Bytes{9}));
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 1);
}

TEST(FileIo, AFailedWriteLeavesTheOldFileAsItWas) {
  test::TempFolder folder;
  // A folder in the way: the rename over it fails after the data was written.
  const auto blocked = folder.path() / "blocked";
  fs::create_directories(blocked / "inside");
  auto failed = base::writeFileAtomically(blocked, Bytes{1, 2});
  ASSERT_FALSE(failed.has_value());
  EXPECT_NE(failed.error().message.find("blocked"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 1);

  EXPECT_FALSE(base::writeFileAtomically(folder.path() / "missing" / "x.bin", Bytes{1}).has_value());
}

TEST(FileIo, ReadRefusesFilesOverTheLimitAndSaysSo) {
  test::TempFolder folder;
  const auto path = folder.path() / "big.bin";
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes(1001, 7)));
  EXPECT_EQ(base::readFile(path, 1001)->size(), 1001u);
  auto refused = base::readFile(path, 1000);
  ASSERT_FALSE(refused.has_value());
  EXPECT_NE(refused.error().message.find("1,001 bytes"), std::string::npos);
  EXPECT_NE(refused.error().message.find("1,000 bytes"), std::string::npos);
  EXPECT_FALSE(base::readFile(folder.path() / "none", 10).has_value());
  EXPECT_FALSE(base::readFile(folder.path(), 10).has_value());
}

TEST(FileIo, ThousandsSeparators) {
  EXPECT_EQ(base::withThousands(0), "0");
  EXPECT_EQ(base::withThousands(999), "999");
  EXPECT_EQ(base::withThousands(3000001), "3,000,001");
}

}  // namespace
