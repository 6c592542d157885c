#include "fishfile/run_stream.hpp"

#include <gtest/gtest.h>

#include "support/test_files.hpp"

namespace {

using base::Bytes;
using testfiles::join;

// Opaque pixels 1, 2, 3 … (never 0).
Bytes opaque(std::size_t n) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(1 + i % 255);
  return out;
}

void expectEncoding(const Bytes& pixels, const Bytes& stream, std::uint16_t runs) {
  auto encoded = fishfile::encodeRunStream(pixels);
  ASSERT_TRUE(encoded) << encoded.error().message;
  EXPECT_EQ(encoded->bytes, stream);
  EXPECT_EQ(encoded->runs, runs);
}

TEST(RunStreamEncoder, TransparentFramesAreSkipRunsOfAtMost251) {
  expectEncoding(Bytes(1, 0), {255, 255, 0}, 1);
  expectEncoding(Bytes(251, 0), {5, 255, 0}, 1);
  expectEncoding(Bytes(252, 0), {5, 255, 0, 255, 255, 0}, 2);
  // ⌈600 / 251⌉ = 3 runs: 251, 251, 98.
  expectEncoding(Bytes(600, 0), {5, 255, 0, 5, 255, 0, 158, 255, 0}, 3);
}

TEST(RunStreamEncoder, TransparentPixelsAmongOpaqueOnes) {
  expectEncoding({7, 0, 9}, {3, 0, 7, 0, 9}, 1);                          // a lone 0 stays in the literal
  expectEncoding({7, 0, 0, 9}, {1, 0, 7, 254, 255, 0, 1, 0, 9}, 3);       // two zeros start a skip run
  expectEncoding({7, 8, 0}, {2, 0, 7, 8, 255, 255, 0}, 2);                // a transparent last pixel
  expectEncoding({0, 0, 5}, {254, 255, 0, 1, 0, 5}, 2);                   // an opaque last pixel
  expectEncoding({0, 5, 0, 6, 0, 0}, {255, 255, 0, 3, 0, 5, 0, 6, 254, 255, 0}, 3);
  // After a full skip run of 251, a zero followed by an opaque pixel opens the literal run.
  Bytes pixels(252, 0);
  pixels.push_back(3);
  expectEncoding(pixels, {5, 255, 0, 2, 0, 0, 3}, 2);
  pixels.insert(pixels.begin(), 0);  // 253 zeros: 251, then 2, then the literal
  expectEncoding(pixels, {5, 255, 0, 254, 255, 0, 1, 0, 3}, 3);
}

TEST(RunStreamEncoder, LongLiteralRuns) {
  expectEncoding(opaque(255), join({{255, 0}, opaque(255)}), 1);
  expectEncoding(opaque(256), join({{0, 1}, opaque(256)}), 1);
  expectEncoding(opaque(300), join({{44, 1}, opaque(300)}), 1);
  expectEncoding(opaque(32'767), join({{255, 127}, opaque(32'767)}), 1);
  // Longer runs are cut at 32,767 so that their count never reads back as a skip run.
  const Bytes pixels = opaque(40'000);
  const Bytes rest(pixels.begin() + 32'767, pixels.end());  // 7,233 = 28 × 256 + 65
  expectEncoding(pixels, join({{255, 127}, Bytes(pixels.begin(), pixels.begin() + 32'767), {65, 28}, rest}), 2);
}

TEST(RunStreamEncoder, RefusesStreamsBeyondSixteenBits) {
  EXPECT_TRUE(fishfile::encodeRunStream(opaque(65'531)));  // two runs: 65,531 + 4 = 65,535 bytes
  EXPECT_FALSE(fishfile::encodeRunStream(opaque(65'532)));
}

void expectDecoding(const Bytes& stream, const Bytes& pixels) {
  auto decoded = fishfile::decodeRunStream(stream, pixels.size());
  ASSERT_TRUE(decoded) << decoded.error().message;
  EXPECT_EQ(*decoded, pixels);
}

TEST(RunStreamDecoder, Counts) {
  expectDecoding({0, 0, 9}, Bytes(256, 9));                 // (0, 0) is a skip run of 256
  expectDecoding({0, 255, 4}, Bytes(256, 4));
  expectDecoding({5, 128, 7}, Bytes(251, 7));               // high byte 128 or more: skip
  expectDecoding({200, 200, 3, 1, 0, 8}, join({Bytes(56, 3), {8}}));
  expectDecoding(join({{0, 1}, opaque(256)}), opaque(256));  // high byte 1-127: literal
  expectDecoding(join({{44, 1}, opaque(300)}), opaque(300));
  expectDecoding(join({{255, 127}, opaque(32'767)}), opaque(32'767));
  expectDecoding({2, 0, 1, 2, 0x55}, {1, 2});                // a single trailing byte is ignored
  expectDecoding({}, {});
}

TEST(RunStreamDecoder, RefusesStreamsThatDisagreeWithTheFrame) {
  EXPECT_FALSE(fishfile::decodeRunStream(Bytes{5, 0, 1, 2}, 5));           // literal past the stream
  EXPECT_FALSE(fishfile::decodeRunStream(Bytes{1, 0, 7, 255, 255}, 2));    // skip run without its value
  EXPECT_FALSE(fishfile::decodeRunStream(Bytes{3, 0, 1, 2, 3}, 2));        // more pixels than the frame
  EXPECT_FALSE(fishfile::decodeRunStream(Bytes{3, 0, 1, 2, 3}, 4));        // fewer
  EXPECT_FALSE(fishfile::decodeRunStream(Bytes{2, 0, 1, 2, 0, 0, 0}, 2));  // a trailing run is too many
  EXPECT_FALSE(fishfile::decodeRunStream(Bytes{0, 0, 1}, 100'000));
}

TEST(RunStream, StreamOrderRunsEachRowRightToLeft) {
  EXPECT_EQ(fishfile::toStreamOrder(Bytes{1, 2, 3, 4, 5, 6}, 3, 2), (Bytes{3, 2, 1, 6, 5, 4}));
  EXPECT_EQ(fishfile::fromStreamOrder(Bytes{3, 2, 1, 6, 5, 4}, 3, 2), (Bytes{1, 2, 3, 4, 5, 6}));
}

}  // namespace
