#include "resfile/resfile.hpp"

#include <gtest/gtest.h>

#include "support/test_files.hpp"

namespace {

using base::Bytes;
using testfiles::join;
using resfile::ResourceType;

// A header: the 16 given bytes, the file kind's constants, then zeros up to 256.
Bytes header(const Bytes& first16, const Bytes& constants = Bytes(16, 0)) {
  Bytes out = join({first16, constants});
  out.resize(256, 0);
  return out;
}

TEST(ResourceType, IsStoredInReverseOrder) {
  auto type = ResourceType::fromCode("Fd_H");
  EXPECT_EQ(type.stored(), (std::array<std::uint8_t, 4>{'H', '_', 'd', 'F'}));
  const std::uint8_t stored[] = {'H', '_', 'd', 'F'};
  EXPECT_EQ(ResourceType::fromStored(stored), type);
  EXPECT_EQ(ResourceType::fromStored(stored).text(), "Fd_H");
}

TEST(ResourceWriter, TwoTypesWithoutNames) {
  std::array<std::uint8_t, 16> constants{};
  for (std::uint8_t i = 0; i < 16; ++i) constants[i] = static_cast<std::uint8_t>(0x10 + i);
  resfile::Writer writer(constants);
  EXPECT_EQ(writer.append(Bytes{0xAA, 0xBB}), 0u);
  EXPECT_EQ(writer.append(Bytes{0xCC}), 6u);
  auto file = std::move(writer).finish({2, {{ResourceType::fromCode("Fd_H"), {{10000, std::nullopt, 0}}},
                                            {ResourceType::fromCode("PICT"), {{300, std::nullopt, 6}}}}});
  ASSERT_TRUE(file) << file.error().message;

  // M = 267, M - 256 = 11, map = 30 + 2 × 8 + 2 × 12 = 70 bytes, which is also the name-list offset.
  const Bytes fields = {0x00, 0x01, 0, 0, 0x0B, 0x01, 0, 0, 0x0B, 0, 0, 0, 0x46, 0, 0, 0};
  const Bytes expected = join({
      header(fields, Bytes(constants.begin(), constants.end())),
      {2, 0, 0, 0, 0xAA, 0xBB, 1, 0, 0, 0, 0xCC},
      fields,
      {0, 0, 0, 0, 2, 0, 0, 0, 30, 0, 0x46, 0, 1, 0},
      {'H', '_', 'd', 'F', 0, 0, 16, 0},
      {'T', 'C', 'I', 'P', 0, 0, 28, 0},
      {0x10, 0x27, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0},
      {0x2C, 0x01, 0xFF, 0xFF, 6, 0, 0, 0, 0, 0, 0, 0},
  });
  EXPECT_EQ(*file, expected);
}

Bytes namedFile() {
  resfile::Writer writer;
  auto a = writer.append(Bytes{0x11});
  auto b = writer.append(Bytes{0x22, 0x33});
  auto c = writer.append(Bytes{0x44});
  auto file = std::move(writer).finish({0, {{ResourceType::fromCode("Fd_H"), {{1, "ab", a}, {2, std::nullopt, b}}},
                                            {ResourceType::fromCode("PICT"), {{3, "xyz", c}}}}});
  return file.value();
}

TEST(ResourceWriter, NamesGoToTheNameList) {
  // M = 272; map = 30 + 16 + 36 = 82 bytes up to the name list, then 7 bytes of names.
  const Bytes fields = {0x00, 0x01, 0, 0, 0x10, 0x01, 0, 0, 0x10, 0, 0, 0, 89, 0, 0, 0};
  const Bytes expected = join({
      header(fields),
      {1, 0, 0, 0, 0x11, 2, 0, 0, 0, 0x22, 0x33, 1, 0, 0, 0, 0x44},
      fields,
      {0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 82, 0, 1, 0},
      {'H', '_', 'd', 'F', 1, 0, 16, 0},
      {'T', 'C', 'I', 'P', 0, 0, 40, 0},
      {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {2, 0, 0xFF, 0xFF, 5, 0, 0, 0, 0, 0, 0, 0},
      {3, 0, 3, 0, 11, 0, 0, 0, 0, 0, 0, 0},
      {2, 'a', 'b', 3, 'x', 'y', 'z'},
  });
  EXPECT_EQ(namedFile(), expected);
}

TEST(ResourceWriter, OffsetsUseThreeBytes) {
  resfile::Writer writer;
  writer.append(Bytes(70000, 1));
  auto second = writer.append(Bytes{7});
  EXPECT_EQ(second, 70004u);
  auto file = std::move(writer).finish({0, {{ResourceType::fromCode("Test"), {{1, std::nullopt, second}}}}});
  ASSERT_TRUE(file);
  // M = 256 + 70004 + 5 = 70265 (0x011279), M - 256 = 0x011179, data offset 0x011174.
  EXPECT_EQ(testfiles::slice(*file, 4, 8), (Bytes{0x79, 0x12, 0x01, 0, 0x79, 0x11, 0x01, 0}));
  EXPECT_EQ(testfiles::slice(*file, 70265 + 38 + 4, 4), (Bytes{0x74, 0x11, 0x01, 0}));
  EXPECT_EQ(file->size(), 70265u + 50);
}

TEST(ResourceWriter, BitmapCountComesFromItsSizeField) {
  resfile::Writer writer;
  const Bytes bitmap = {'B', 'M', 10, 0, 0, 0, 1, 2, 3, 4, 5, 6};  // 12 bytes that claim 10
  EXPECT_EQ(writer.appendBitmap(bitmap), 0u);
  EXPECT_EQ(writer.append(Bytes{7}), 16u);
  auto file = std::move(writer).finish({0, {{ResourceType::fromCode("Test"), {{1, std::nullopt, 0}}}}});
  ASSERT_TRUE(file);
  EXPECT_EQ(testfiles::slice(*file, 256, 21), join({{10, 0, 0, 0}, bitmap, {1, 0, 0, 0, 7}}));
}

TEST(ResourceWriter, Refusals) {
  auto finishWith = [](std::size_t dataSize, resfile::MapSpec map) {
    resfile::Writer writer;
    writer.append(Bytes(dataSize, 0));
    return std::move(writer).finish(map);
  };
  const resfile::MapSpec one = {0, {{ResourceType::fromCode("Test"), {{1, std::nullopt, 0}}}}};
  EXPECT_FALSE(finishWith(1, {0, {}}));
  EXPECT_FALSE(finishWith(1, {0, {{ResourceType::fromCode("Test"), {}}}}));
  EXPECT_FALSE(finishWith(1, {0, {{ResourceType::fromCode("Test"), {{1, std::string(256, 'n'), 0}}}}}));
  EXPECT_TRUE(finishWith(1, {0, {{ResourceType::fromCode("Test"), {{1, std::string(255, 'n'), 0}}}}}));
  // 256 + 4 + data + 50 map bytes must stay at or below 16,777,215.
  EXPECT_TRUE(finishWith(16'777'215 - 310, one));
  EXPECT_FALSE(finishWith(16'777'215 - 309, one));
}

TEST(ResourceReader, ReadsReferencesAndData) {
  const Bytes file = namedFile();
  EXPECT_EQ(resfile::mapOffset(file), 272u);
  auto refs = resfile::readReferences(file);
  ASSERT_TRUE(refs) << refs.error().message;
  ASSERT_EQ(refs->size(), 3u);
  const auto fd = ResourceType::fromCode("Fd_H");
  const auto pict = ResourceType::fromCode("PICT");
  EXPECT_EQ((*refs)[0].type, fd);
  EXPECT_EQ((*refs)[1].type, fd);
  EXPECT_EQ((*refs)[2].type, pict);
  EXPECT_EQ((*refs)[0].number, 1);
  EXPECT_EQ((*refs)[1].nameOffset, 0xFFFF);
  EXPECT_EQ((*refs)[2].nameOffset, 3);
  EXPECT_EQ((*refs)[2].dataOffset, 11u);
  auto data = resfile::resourceData(file, (*refs)[1].dataOffset);
  ASSERT_TRUE(data);
  EXPECT_EQ(Bytes(data->begin(), data->end()), (Bytes{0x22, 0x33}));
}

TEST(ResourceReader, RefusesWhatLiesOutsideTheFile) {
  Bytes file = namedFile();
  EXPECT_FALSE(resfile::resourceData(file, 1000));
  EXPECT_FALSE(resfile::resourceData(file, static_cast<std::uint32_t>(file.size() - 256 - 2)));  // count cut short
  Bytes claimsTooMuch = file;
  claimsTooMuch[267] = 90;  // resource at 267 claims 90 bytes; 90 remain after its count
  EXPECT_TRUE(resfile::resourceData(claimsTooMuch, 11));
  claimsTooMuch[267] = 91;
  EXPECT_FALSE(resfile::resourceData(claimsTooMuch, 11));

  Bytes cut(file.begin(), file.end() - 10);  // the last reference entry loses its last bytes
  EXPECT_FALSE(resfile::readReferences(cut));
  Bytes moreEntries = file;
  moreEntries[272 + 38 + 4] = 5;  // "PICT" claims six references
  EXPECT_FALSE(resfile::readReferences(moreEntries));
  Bytes farMap = file;
  farMap[6] = 0x10;
  EXPECT_FALSE(resfile::readReferences(farMap));
}

}  // namespace
