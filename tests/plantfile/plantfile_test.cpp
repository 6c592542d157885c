// The plant file laid out byte for byte: every expected file below is written field by field
// at the absolute offsets the format's tables give, from the worked example's sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "plantfile/plantfile.hpp"

namespace {

using base::Bytes;
using plantfile::PlantInputs;

void set16(Bytes& b, std::size_t at, std::uint32_t v) {
  b.at(at) = static_cast<std::uint8_t>(v & 0xFF);
  b.at(at + 1) = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
void set32(Bytes& b, std::size_t at, std::uint32_t v) {
  set16(b, at, v & 0xFFFF);
  set16(b, at + 2, v >> 16);
}
void setText(Bytes& b, std::size_t at, const std::string& text) {
  b.at(at) = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) b.at(at + 1 + i) = static_cast<std::uint8_t>(text[i]);
}
void setBytes(Bytes& b, std::size_t at, const Bytes& data) {
  for (std::size_t i = 0; i < data.size(); ++i) b.at(at + i) = data[i];
}
void setAscii(Bytes& b, std::size_t at, const char* four) {
  for (int i = 0; i < 4; ++i) b.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(four[i]);
}

// A bitmap file of `length` bytes: "BM", its size field, width and height, the rest a pattern.
Bytes bitmap(std::size_t length, std::int32_t width, std::int32_t height, std::uint32_t sizeField = 0) {
  Bytes b(length);
  for (std::size_t i = 0; i < length; ++i) b[i] = static_cast<std::uint8_t>(1 + (i * 7) % 250);
  b[0] = 'B';
  b[1] = 'M';
  set32(b, 2, sizeField ? sizeField : static_cast<std::uint32_t>(length));
  if (length >= 26) {
    set32(b, 18, static_cast<std::uint32_t>(width));
    set32(b, 22, static_cast<std::uint32_t>(height));
  }
  return b;
}

Bytes text(std::size_t length) {
  Bytes b(length);
  for (std::size_t i = 0; i < length; ++i) b[i] = static_cast<std::uint8_t>('a' + i % 26);
  return b;
}

struct Example {
  std::uint16_t id = 300;
  std::string name = "Rush1", latin = "Acorus", scientific = "gramineus";
  bool redd = true;
  Bytes icon = bitmap(8050, 83, 83), top = bitmap(10000, 70, 70), front = bitmap(12000, 200, 150);
  Bytes description = text(100);
  // The size records' values the format gives for this front view.
  int height = 150, width = 200, smallHeight = 99, smallWidth = 132;

  PlantInputs inputs() const { return {id, name, latin, scientific, redd, icon, top, front, description}; }

  // The file as the tables lay it out.
  Bytes expected() const {
    const std::size_t Li = icon.size(), Lt = top.size(), Lf = front.size(), nb = name.size();
    const std::size_t T = 1422 + Li + Lt + Lf, M = T + 626;
    const std::size_t mapLength = 208 + 2 * nb;
    Bytes f(M + mapLength, 0);
    // Header, and its copy at the start of the map.
    for (std::size_t at : {std::size_t{0}, M}) {
      set32(f, at + 0, 256);
      set32(f, at + 4, static_cast<std::uint32_t>(M));
      set32(f, at + 8, static_cast<std::uint32_t>(M - 256));
      set32(f, at + 12, static_cast<std::uint32_t>(mapLength));
    }
    setBytes(f, 16, {0x6C, 0x50, 0x72, 0x42, 0xDC, 0x05});
    f[24] = 1, f[26] = 2, f[28] = 1, f[30] = 0xFF, f[31] = 0xFF;
    // PlTI
    set32(f, 256, 14);
    f[260 + 8] = 1;
    set16(f, 260 + 10, id);
    f[260 + 13] = redd ? 1 : 0;
    // PlPI 128 and 129
    set32(f, 274, 270);
    setText(f, 278, name);
    set16(f, 278 + 260, static_cast<std::uint32_t>(height));
    set16(f, 278 + 262, static_cast<std::uint32_t>(width));
    set32(f, 548, 270);
    setText(f, 552, name);
    set16(f, 552 + 260, static_cast<std::uint32_t>(smallHeight));
    set16(f, 552 + 262, static_cast<std::uint32_t>(smallWidth));
    // PlPH 128 and 129
    set32(f, 822, 290);
    setText(f, 826, "Large");
    set32(f, 1116, 290);
    setText(f, 1120, "Small");
    // The pictures, each after the count from its own bytes 2-5.
    setBytes(f, 1410, Bytes(icon.begin() + 2, icon.begin() + 6));
    setBytes(f, 1414, icon);
    setBytes(f, 1414 + Li, Bytes(top.begin() + 2, top.begin() + 6));
    setBytes(f, 1418 + Li, top);
    setBytes(f, 1418 + Li + Lt, Bytes(front.begin() + 2, front.begin() + 6));
    setBytes(f, 1422 + Li + Lt, front);
    // PlTH and PlVe
    set32(f, T, 616);
    setText(f, T + 4, latin);
    setText(f, T + 4 + 33, scientific);
    set16(f, T + 4 + 66, id);
    f[T + 4 + 68] = 1;
    setText(f, T + 4 + 70, "Description:");
    setBytes(f, T + 4 + 104, description);
    set32(f, T + 620, 2);
    set16(f, T + 624, 150);
    // The map.
    set16(f, M + 20, 2);
    set16(f, M + 24, 30);
    set16(f, M + 26, 206);
    set16(f, M + 28, 6);
    const struct {
      const char* stored;
      int countLess1, refOffset;
    } types[] = {{"ITlP", 0, 56}, {"IPlP", 1, 68}, {"HPlP", 1, 92}, {"PDLP", 1, 116},
                 {"CPLP", 0, 140}, {"HTlP", 0, 152}, {"eVlP", 0, 164}};
    std::size_t at = M + 30;
    for (const auto& type : types) {
      setAscii(f, at, type.stored);
      set16(f, at + 4, static_cast<std::uint32_t>(type.countLess1));
      set16(f, at + 6, static_cast<std::uint32_t>(type.refOffset));
      at += 8;
    }
    const std::uint32_t topNumber = id + 1u;
    const struct {
      std::uint32_t number, nameOffset, dataOffset;
    } refs[] = {{id, 0, 0},
                {128, 0xFFFF, 18},
                {129, 0xFFFF, 292},
                {128, 0xFFFF, 566},
                {129, 0xFFFF, 860},
                {id, 0xFFFF, 1154},
                {topNumber, 0xFFFF, static_cast<std::uint32_t>(1158 + Li)},
                {id, 0xFFFF, static_cast<std::uint32_t>(1162 + Li + Lt)},
                {id, static_cast<std::uint32_t>(nb + 1), static_cast<std::uint32_t>(T - 256)},
                {id, 0xFFFF, static_cast<std::uint32_t>(T + 364)}};
    at = M + 86;
    for (const auto& ref : refs) {
      set16(f, at, ref.number);
      set16(f, at + 2, ref.nameOffset);
      f[at + 4] = static_cast<std::uint8_t>(ref.dataOffset & 0xFF);
      f[at + 5] = static_cast<std::uint8_t>((ref.dataOffset >> 8) & 0xFF);
      f[at + 6] = static_cast<std::uint8_t>(ref.dataOffset >> 16);
      at += 12;
    }
    setText(f, M + 206, name);
    setText(f, M + 207 + nb, name);
    return f;
  }
};

Bytes build(const Example& example) {
  auto file = plantfile::buildPlantFile(example.inputs());
  EXPECT_TRUE(file) << (file ? "" : file.error().message);
  return file ? *file : Bytes{};
}

TEST(PlantFile, WorkedExampleIsLaidOutByteForByte) {
  const Example example;
  const Bytes file = build(example);
  ASSERT_EQ(file.size(), 32316u);
  EXPECT_EQ(file[4] | file[5] << 8 | file[6] << 16, 32098);  // M
  EXPECT_EQ(file[12], 218);                                   // map length
  EXPECT_EQ(file, example.expected());
}

TEST(PlantFile, LongNamesCarryTheMapLengthIntoItsSecondByte) {
  for (const char* name : {"abcdefghijklmnopqrstuvwx", "abcdefghijklmnopqrstuvwxyz012345"}) {
    Example example;
    example.name = name;
    example.latin = "L";
    example.scientific = "abcdefghijklmnopqrstuvwxyz012345";
    example.redd = false;
    const Bytes file = build(example);
    const std::size_t nb = example.name.size();
    EXPECT_EQ(file[12], (208 + 2 * nb) % 256) << name;
    EXPECT_EQ(file[13], 1) << name;
    EXPECT_EQ(file, example.expected()) << name;
  }
}

TEST(PlantFile, TopViewTakesTheNextResourceNumber) {
  for (std::uint16_t id : {std::uint16_t{128}, std::uint16_t{255}, std::uint16_t{32766}}) {
    Example example;
    example.id = id;
    const Bytes file = build(example);
    EXPECT_EQ(file, example.expected()) << id;
    // The top view's reference entry is the seventh.
    const std::size_t entry = 32098 + 86 + 6 * 12;
    EXPECT_EQ(file[entry] | file[entry + 1] << 8, id + 1) << id;
  }
  Example example;
  example.id = 255;
  const Bytes file = build(example);
  EXPECT_EQ(file[32098 + 86 + 72], 0x00);
  EXPECT_EQ(file[32098 + 86 + 73], 0x01);
}

TEST(PlantFile, ReducedRecordIsTwoThirdsOfTheFrontView) {
  Example example;
  example.front = bitmap(12000, 100, 64);
  example.height = 64, example.width = 100, example.smallHeight = 42, example.smallWidth = 66;
  EXPECT_EQ(build(example), example.expected());

  const std::pair<int, int> sizes[] = {{200, 132}, {150, 99}, {100, 66}, {64, 42}, {0, 0}, {1, 1},
                                       {25, 16},   {75, 50},  {125, 82}, {32767, 21626}};
  for (const auto& [size, reduced] : sizes) EXPECT_EQ(plantfile::reducedSize(size), reduced) << size;
}

TEST(PlantFile, DescriptionOfFullLengthFillsItsField) {
  Example example;
  example.description = text(512);
  const Bytes file = build(example);
  EXPECT_EQ(file, example.expected());
  const std::size_t T = 1422 + 8050 + 10000 + 12000;
  EXPECT_EQ(file[T + 4 + 615], example.description[511]);
  EXPECT_EQ(file[T + 620], 2);  // PlVe's count follows at once
}

TEST(PlantFile, BitmapsAreCopiedWholeWithTheCountTheyClaim) {
  // An icon of 8,052 bytes claiming 8,050, a top view claiming more than it has: the count is
  // copied from the field, every byte of the file follows it.
  Example example;
  example.icon = bitmap(8052, 83, 83, 8050);
  example.top = bitmap(900, 10, 10, 70000);
  const Bytes file = build(example);
  EXPECT_EQ(file.size(), 2256u + 8052 + 900 + 12000 + 10);
  EXPECT_EQ(file, example.expected());
  // A front view of a few bytes only reads the missing size fields as zero.
  example.front = bitmap(20, 0, 0);
  example.front[18] = 30, example.front[19] = 0;  // the width is there, the height is not
  example.width = 30, example.smallWidth = 20, example.height = example.smallHeight = 0;
  EXPECT_EQ(build(example), example.expected());
}

TEST(PlantFile, RefusesWhatCannotBeLaidOut) {
  auto refusal = [](const Example& example) {
    auto file = plantfile::buildPlantFile(example.inputs());
    return file ? std::string("(built)") : file.error().message;
  };
  Example example;
  example.front = bitmap(12000, 200, -150);  // top-down
  EXPECT_NE(refusal(example).find("FRONT"), std::string::npos) << refusal(example);
  example.front = bitmap(12000, 40000, 150);  // 32,768 or more
  EXPECT_NE(refusal(example).find("negative"), std::string::npos);
  example = {};
  example.top = {'B', 'M', 1, 0, 0};
  EXPECT_NE(refusal(example).find("TOP file is 5 bytes long"), std::string::npos) << refusal(example);
  example = {};
  example.icon = {};
  EXPECT_NE(refusal(example).find("ICON"), std::string::npos);
  example = {};
  example.name = std::string(33, 'a');
  EXPECT_NE(refusal(example).find("1-32"), std::string::npos);
  example = {};
  example.description = text(513);
  EXPECT_NE(refusal(example).find("1-512"), std::string::npos);
}

}  // namespace
