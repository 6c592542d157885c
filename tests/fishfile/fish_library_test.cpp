#include "fishfile/fish_library.hpp"

#include <gtest/gtest.h>

#include "support/test_files.hpp"

namespace {

using base::Bytes;

struct Entry {
  std::string name;
  std::uint32_t size, offset;
};

// A library laid out by hand, with 0xAB in every byte that readers skip.
Bytes library(const std::string& title, const std::vector<Entry>& entries, std::size_t dataBytes) {
  Bytes out = {'F', 'i', 's', 'h'};
  out.resize(12, 0xAB);
  out.insert(out.end(), title.begin(), title.end());
  out.push_back(0);
  out.push_back(static_cast<std::uint8_t>(entries.size()));
  out.resize(out.size() + 11, 0xAB);
  for (const auto& e : entries) {
    out.insert(out.end(), e.name.begin(), e.name.end());
    out.push_back(0);
    const std::size_t z = out.size() - 1;
    out.resize(z + 17, 0xAB);
    testfiles::set32(out, z + 5, e.size);
    testfiles::set32(out, z + 9, e.offset);
  }
  out.resize(out.size() + dataBytes, 0);
  return out;
}

void expectEntries(const Bytes& lib, const std::vector<Entry>& expected) {
  auto entries = fishfile::readFishLibrary(lib);
  ASSERT_TRUE(entries) << entries.error().message;
  ASSERT_EQ(entries->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((*entries)[i].name, expected[i].name);
    EXPECT_EQ((*entries)[i].size, expected[i].size);
    EXPECT_EQ((*entries)[i].offset, expected[i].offset);
  }
}

TEST(FishLibrary, TitlesOfAnyLengthMoveTheEntryList) {
  const std::vector<Entry> entries = {{"top.dat", 3, 100}, {"001.dat", 0, 103}, {"back.dat", 5, 98}};
  expectEntries(library("", entries, 100), entries);
  expectEntries(library("T", entries, 100), entries);
  expectEntries(library(std::string(300, 't'), entries, 500), entries);
  expectEntries(library("title", {}, 0), {});  // E = 0
}

TEST(FishLibrary, WhatIsNotAFishLibrary) {
  for (const Bytes& lib : {Bytes{}, Bytes{'F', 'i', 's'}, Bytes{'f', 'i', 's', 'h', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}) {
    auto entries = fishfile::readFishLibrary(lib);
    ASSERT_FALSE(entries);
    EXPECT_EQ(entries.error().message, "Library File differs");
  }
}

TEST(FishLibrary, TruncatedOrOutsideEntries) {
  const Bytes whole = library("t", {{"a", 2, 0}, {"bb", 2, 40}}, 0);  // 26 + 18 + 19 = 63 bytes
  ASSERT_EQ(whole.size(), 63u);
  expectEntries(whole, {{"a", 2, 0}, {"bb", 2, 40}});
  for (std::size_t cut : {12u, 14u, 15u, 26u, 27u, 43u, 44u, 46u, 62u})
    EXPECT_FALSE(fishfile::readFishLibrary(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut))))
        << "cut at " << cut;

  // This library is 62 bytes long: entries may end exactly there.
  expectEntries(library("t", {{"a", 4, 58}, {"b", 0, 62}}, 0), {{"a", 4, 58}, {"b", 0, 62}});
  EXPECT_FALSE(fishfile::readFishLibrary(library("t", {{"a", 5, 58}, {"b", 0, 62}}, 0)));
  EXPECT_FALSE(fishfile::readFishLibrary(library("t", {{"a", 4, 58}, {"b", 0, 63}}, 0)));
}

TEST(FishLibrary, WrittenLayout) {
  auto lib = fishfile::makeFishLibrary("ab", {{"x.dat", {1, 2}}, {"y", {}}});
  ASSERT_TRUE(lib);
  const Bytes expected = {
      'F', 'i', 's', 'h', 0, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      'x', '.', 'd', 'a', 't', 0, 0, 0, 0, 0, 2, 0, 0, 0, 67, 0, 0, 0, 0, 0, 0, 0,
      'y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 69, 0, 0, 0, 0, 0, 0, 0,
      1, 2,
  };
  EXPECT_EQ(*lib, expected);
}

}  // namespace
