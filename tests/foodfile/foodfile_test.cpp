// The food file byte for byte. Every expected file is laid out here from the layout tables,
// offset by offset, without the resource-file writer the builder uses.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/bytes.hpp"
#include "foodfile/foodfile.hpp"

namespace {

using base::Bytes;

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
void put24(Bytes& b, std::size_t at, std::uint32_t v) {
  put16(b, at, v);
  b[at + 2] = static_cast<std::uint8_t>((v >> 16) & 0xFF);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  put24(b, at, v);
  b[at + 3] = static_cast<std::uint8_t>(v >> 24);
}
void putText(Bytes& b, std::size_t at, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) b[at + i] = static_cast<std::uint8_t>(text[i]);
}
void putBytes(Bytes& b, std::size_t at, const Bytes& data) { std::copy(data.begin(), data.end(), b.begin() + static_cast<std::ptrdiff_t>(at)); }

// A bitmap-like file of n bytes: "BM", its size field (the real length unless told), then a
// pattern that is never zero.
Bytes bitmap(std::size_t n, unsigned seed, std::uint32_t sizeField = 0) {
  Bytes b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(1 + (i * 7 + seed * 13) % 250);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, sizeField ? sizeField : static_cast<std::uint32_t>(n));
  return b;
}

// The kind presets, as the table lists them: byte 0, the u16 at 2, then bytes 6, 8, 10, 12, 14,
// 16, 18 and 22.
constexpr std::uint32_t kTable[13][10] = {
    {1, 20000, 1, 1, 1, 1, 1, 1, 2, 10},   {2, 30000, 10, 2, 1, 15, 13, 7, 2, 4}, {3, 20000, 20, 3, 2, 12, 8, 10, 5, 4},
    {4, 20000, 20, 5, 1, 11, 16, 9, 2, 6}, {5, 25000, 20, 5, 1, 11, 15, 8, 2, 6}, {6, 20000, 20, 3, 2, 12, 8, 10, 5, 4},
    {7, 20000, 18, 4, 1, 10, 13, 10, 5, 5}, {8, 20000, 18, 4, 1, 10, 13, 10, 5, 5}, {9, 20000, 18, 4, 1, 10, 13, 10, 5, 5},
    {10, 30000, 1, 11, 70, 3, 0, 0, 5, 5}, {11, 30000, 1, 11, 70, 3, 0, 0, 5, 5}, {12, 20000, 0, 10, 10, 10, 0, 0, 2, 8},
    {13, 20000, 0, 10, 10, 10, 0, 0, 2, 8},
};

void putParameters(Bytes& b, std::size_t at, int kind, std::uint32_t R) {
  const auto& row = kTable[kind];
  b[at] = static_cast<std::uint8_t>(row[0]);
  put16(b, at + 2, row[1]);
  const std::size_t offsets[] = {6, 8, 10, 12, 14, 16, 18, 22};
  for (std::size_t i = 0; i < 8; ++i) b[at + offsets[i]] = static_cast<std::uint8_t>(row[2 + i]);
  put16(b, at + 20, R);
}

void putFoodHeader(Bytes& b, std::size_t at, std::string_view name, std::string_view memo, std::uint32_t R) {
  b[at] = static_cast<std::uint8_t>(name.size());
  putText(b, at + 1, name);
  putText(b, at + 34, memo);
  put16(b, at + 546, R);
}

void putMapEntries(Bytes& b, std::size_t M, const char* const types[7], std::uint32_t R, const std::uint32_t dataOffsets[6],
                   const std::vector<std::uint32_t>& frameOffsets) {
  const std::size_t n = frameOffsets.size();
  for (std::size_t t = 0; t < 7; ++t) {
    const std::size_t at = M + 30 + 8 * t;
    for (std::size_t c = 0; c < 4; ++c) b[at + c] = static_cast<std::uint8_t>(types[t][3 - c]);  // stored reversed
    put16(b, at + 4, t == 6 ? static_cast<std::uint32_t>(n - 1) : 0);
    put16(b, at + 6, static_cast<std::uint32_t>(56 + 12 * t));
  }
  for (std::size_t r = 0; r < 6 + n; ++r) {
    const std::size_t at = M + 86 + 12 * r;
    put16(b, at, static_cast<std::uint32_t>(r < 6 ? R : R + (r - 6)));
    put16(b, at + 2, 0xFFFF);
    put24(b, at + 4, r < 6 ? dataOffsets[r] : frameOffsets[r - 6]);
  }
}

// The single-frame layout, from its table.
Bytes singleFrameFile(std::string_view name, std::string_view memo, std::uint32_t R, int kind, const Bytes& picture,
                      const Bytes& frame) {
  const std::size_t P = picture.size(), F = frame.size(), M = 864 + P + F;
  Bytes b(1034 + P + F, 0);
  put32(b, 0, 256);
  put32(b, 4, static_cast<std::uint32_t>(M));
  put32(b, 8, static_cast<std::uint32_t>(M - 256));
  put32(b, 12, 170);
  putText(b, 16, "XXXX");
  put16(b, 20, 1500);
  b[24] = 1, b[26] = 2, b[28] = 1;
  put32(b, 256, 548);
  putFoodHeader(b, 260, name, memo, R);
  put32(b, 808, 26);
  putParameters(b, 812, kind, R);
  put32(b, 838, 2), put16(b, 842, 10);
  put32(b, 844, 2), put16(b, 848, 160);
  put32(b, 850, 2), put16(b, 854, 1);
  put32(b, 856, base::getU32(&picture[2]));
  putBytes(b, 860, picture);
  put32(b, 860 + P, base::getU32(&frame[2]));
  putBytes(b, 864 + P, frame);
  for (std::size_t i = 0; i < 16; ++i) b[M + i] = b[i];
  put16(b, M + 24, 30);
  put16(b, M + 26, 170);
  put16(b, M + 28, 6);
  const char* types[] = {"Fd_H", "Fd_I", "Fd_2", "FdVe", "FoFV", "FDDP", "FDPC"};
  const std::uint32_t offsets[] = {0, 552, 582, 588, 594, 600};
  putMapEntries(b, M, types, R, offsets, {static_cast<std::uint32_t>(604 + P)});
  return b;
}

// The multi-frame layout, from its table.
Bytes multiFrameFile(std::string_view name, std::string_view memo, std::uint32_t R, int kind, const Bytes& picture,
                     const std::vector<Bytes>& frames) {
  const std::size_t n = frames.size(), P = picture.size();
  std::size_t frameBytes = 0;
  for (const auto& f : frames) frameBytes += 4 + f.size();
  const std::size_t M = 860 + P + frameBytes, mapLength = 158 + 12 * n;
  Bytes b(M + mapLength, 0);
  put32(b, 0, 256);
  put32(b, 4, static_cast<std::uint32_t>(M));
  put32(b, 8, static_cast<std::uint32_t>(M - 256));
  put32(b, 12, static_cast<std::uint32_t>(mapLength));
  put16(b, 20, 1500);
  put32(b, 256, 26);
  putParameters(b, 260, kind, R);
  put32(b, 286, 2), put16(b, 290, 150);
  put32(b, 292, 2), put16(b, 296, 10);
  put32(b, 298, 548);
  putFoodHeader(b, 302, name, memo, R);
  put32(b, 850, 2), put16(b, 854, 1);
  put32(b, 856, base::getU32(&picture[2]));
  putBytes(b, 860, picture);
  std::vector<std::uint32_t> frameOffsets;
  std::size_t at = 860 + P;
  for (const auto& f : frames) {
    frameOffsets.push_back(static_cast<std::uint32_t>(at - 256));
    put32(b, at, base::getU32(&f[2]));
    putBytes(b, at + 4, f);
    at += 4 + f.size();
  }
  for (std::size_t i = 0; i < 16; ++i) b[M + i] = b[i];
  put16(b, M + 24, 30);
  put16(b, M + 26, static_cast<std::uint32_t>(mapLength));
  put16(b, M + 28, 6);
  const char* types[] = {"Fd_I", "FdVe", "Fd_2", "Fd_H", "FoFV", "FDDP", "FDPC"};
  const std::uint32_t offsets[] = {0, 30, 36, 42, 594, 600};
  putMapEntries(b, M, types, R, offsets, frameOffsets);
  return b;
}

Bytes build(std::string name, std::string memo, std::uint16_t R, int kind, const Bytes& picture, const std::vector<Bytes>& frames) {
  std::vector<base::ByteSpan> spans(frames.begin(), frames.end());
  auto file = foodfile::buildFoodFile({std::move(name), std::move(memo), R, kind, picture, spans});
  EXPECT_TRUE(file) << (file ? "" : file.error().message);
  return file ? *file : Bytes{};
}

Bytes slice(const Bytes& b, std::size_t at, std::size_t n) { return Bytes(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n)); }

TEST(PelletryFoodFile, OneFrameOfAThousandBytesAndAPictureOf8050) {
  const Bytes picture = bitmap(8050, 1), frame = bitmap(1000, 2);
  const Bytes file = build("Flakes", "Sinks slowly.", 10500, 3, picture, {frame});
  ASSERT_EQ(file.size(), 10084u);
  EXPECT_EQ(slice(file, 4, 8), (Bytes{0xBA, 0x26, 0x00, 0x00, 0xBA, 0x25, 0x00, 0x00}));
  EXPECT_EQ(base::getU32(&file[4]), 9914u);
  EXPECT_EQ(file, singleFrameFile("Flakes", "Sinks slowly.", 10500, 3, picture, frame));
}

TEST(PelletryFoodFile, TwoAndTenFramesUseTheMultiFrameLayout) {
  const Bytes picture = bitmap(8050, 3);
  std::vector<Bytes> frames;
  for (unsigned k = 0; k < 10; ++k) frames.push_back(bitmap(600 + 37 * k, 10 + k));

  const std::vector<Bytes> two(frames.begin(), frames.begin() + 2);
  const Bytes twoFile = build("Pellets", "", 10000, 0, picture, two);
  EXPECT_EQ(twoFile.size(), 1018 + 16 * 2 + 8050 + 600 + 637u);
  EXPECT_EQ(twoFile[12], 182);
  EXPECT_EQ(twoFile[13], 0);
  EXPECT_EQ(twoFile, multiFrameFile("Pellets", "", 10000, 0, picture, two));

  const Bytes tenFile = build("Pellets", "", 10100, 12, picture, frames);
  EXPECT_EQ(slice(tenFile, 12, 2), (Bytes{0x16, 0x01}));
  EXPECT_EQ(tenFile, multiFrameFile("Pellets", "", 10100, 12, picture, frames));
}

TEST(PelletryFoodFile, ResourceNumbersFromTheId) {
  EXPECT_EQ(foodfile::resourceNumber(0), 10000);
  EXPECT_EQ(foodfile::resourceNumber(1), 10100);
  EXPECT_EQ(foodfile::resourceNumber(127), 22700);
  EXPECT_EQ(foodfile::resourceNumber(12.125), 11212);  // 11212.5: the half goes to even
  EXPECT_EQ(foodfile::resourceNumber(12.375), 11238);
  EXPECT_EQ(foodfile::resourceNumber(12.34), 11234);

  // ID 0: R = 10000 (bytes 10 27) in the header, the parameter block and the map.
  const Bytes picture = bitmap(100, 4);
  const Bytes zero = build("a", "", foodfile::resourceNumber(0), 0, picture, {bitmap(50, 5)});
  EXPECT_EQ(slice(zero, 260 + 546, 2), (Bytes{0x10, 0x27}));
  EXPECT_EQ(slice(zero, 812 + 20, 2), (Bytes{0x10, 0x27}));

  // ID 127 with 25 frames: the 25th frame carries 22724.
  std::vector<Bytes> frames;
  for (unsigned k = 0; k < 25; ++k) frames.push_back(bitmap(40 + k, 20 + k));
  const Bytes full = build("b", "", foodfile::resourceNumber(127), 5, picture, frames);
  EXPECT_EQ(full, multiFrameFile("b", "", 22700, 5, picture, frames));
  const std::size_t M = base::getU32(&full[4]);
  EXPECT_EQ(base::getU16(&full[M + 86 + 12 * 30]), 22724);
  EXPECT_EQ(base::getU16(&full[M + 12]), 158 + 12 * 25);
}

TEST(PelletryFoodFile, EveryKindPresetWithRInBytes20And21) {
  const Bytes picture = bitmap(64, 6), frame = bitmap(64, 7);
  for (int kind = 0; kind <= 12; ++kind) {
    Bytes expected(26, 0);
    putParameters(expected, 0, kind, 12300);
    EXPECT_EQ(slice(build("k", "", 12300, kind, picture, {frame}), 812, 26), expected) << "kind " << kind;
    EXPECT_EQ(slice(build("k", "", 12300, kind, picture, {frame, frame}), 260, 26), expected) << "kind " << kind;
    // The preset itself leaves bytes 20-21 zero; R goes there.
    const auto preset = foodfile::kindPreset(kind);
    EXPECT_EQ(preset[0], kind + 1);
    EXPECT_EQ(preset[20] | preset[21], 0);
  }
}

TEST(PelletryFoodFile, TextsInTheirFields) {
  // A double-byte character takes two bytes and counts two in the length byte.
  auto name = foodfile::encodeAnsiText("エサA", base::CodePage::Cp932);
  ASSERT_TRUE(name);
  EXPECT_EQ(*name, "\x83\x47\x83\x54" "A");
  const Bytes picture = bitmap(70, 8), frame = bitmap(70, 9);
  const Bytes file = build(*name, "", 10000, 0, picture, {frame});
  EXPECT_EQ(file[260], 5);
  EXPECT_EQ(file, singleFrameFile(*name, "", 10000, 0, picture, frame));
  // An empty memo leaves its 512 bytes zero; a full name and memo fill their fields exactly.
  EXPECT_EQ(slice(file, 260 + 34, 512), Bytes(512, 0));
  const std::string name32(32, 'N'), memo512(512, 'm');
  const Bytes fullTexts = build(name32, memo512, 10000, 0, picture, {frame, frame});
  EXPECT_EQ(fullTexts, multiFrameFile(name32, memo512, 10000, 0, picture, {frame, frame}));
  EXPECT_EQ(fullTexts[302 + 33], 0);  // the byte between name and memo

  // A character outside the code page is refused, never written as '?'.
  EXPECT_FALSE(foodfile::encodeAnsiText("\xE2\x82\xAC", base::CodePage::Cp932));  // the euro sign
  EXPECT_EQ(*foodfile::encodeAnsiText("caf\xC3\xA9", base::CodePage::Cp1252), "caf\xE9");
}

TEST(PelletryFoodFile, RefusesWhatWouldSpillOrCannotBeStored) {
  const Bytes picture = bitmap(70, 8), frame = bitmap(70, 9), tiny = {'B', 'M', 5, 0, 0};
  auto attempt = [&](std::string name, std::string memo, int kind, const Bytes& pic, std::vector<Bytes> frames) {
    std::vector<base::ByteSpan> spans(frames.begin(), frames.end());
    auto file = foodfile::buildFoodFile({std::move(name), std::move(memo), 10000, kind, pic, spans});
    return file ? std::string() : file.error().message;
  };
  EXPECT_EQ(attempt(std::string(33, 'n'), "", 0, picture, {frame}), "The food name takes 33 bytes; its field holds 32.");
  EXPECT_EQ(attempt("n", std::string(513, 'm'), 0, picture, {frame}), "The memo takes 513 bytes; its field holds 512.");
  EXPECT_NE(attempt("n", "", 13, picture, {frame}), "");
  EXPECT_NE(attempt("n", "", 0, picture, {}), "");
  EXPECT_NE(attempt("n", "", 0, picture, std::vector<Bytes>(26, frame)), "");
  EXPECT_EQ(attempt("n", "", 0, tiny, {frame}), "The picture is 5 bytes long, too short to hold its size field (bytes 2-5).");
  EXPECT_EQ(attempt("n", "", 0, picture, {frame, tiny}), "Frame 2 is 5 bytes long, too short to hold its size field (bytes 2-5).");
}

TEST(PelletryFoodFile, ABitmapsCountComesFromItsSizeFieldItsBytesFromItsLength) {
  // The picture claims 9,999 bytes but has 300: the count says 9,999, all 300 bytes are
  // copied, and the frames follow the 300 bytes.
  const Bytes picture = bitmap(300, 11, 9999), frame = bitmap(90, 12, 7);
  const Bytes file = build("odd", "", 10000, 1, picture, {frame, frame});
  EXPECT_EQ(base::getU32(&file[856]), 9999u);
  EXPECT_EQ(base::getU32(&file[860 + 300]), 7u);
  EXPECT_EQ(file, multiFrameFile("odd", "", 10000, 1, picture, {frame, frame}));
}

TEST(PelletryFoodFile, BitmapCheck) {
  EXPECT_TRUE(foodfile::checkBitmap(bitmap(6, 1)));
  EXPECT_EQ(foodfile::checkBitmap(Bytes{'B', 'M', 1}).error().message,
            "is 3 bytes long, too short for a bitmap (its size field is bytes 2-5).");
  EXPECT_EQ(foodfile::checkBitmap(Bytes{'P', 'K', 6, 0, 0, 0}).error().message,
            "is not a bitmap: it does not start with \"BM\".");
}

}  // namespace
