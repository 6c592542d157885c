#include <gtest/gtest.h>

#include "base/reader.hpp"
#include "base/utf8.hpp"
#include "base/zero_extended.hpp"

namespace {

using base::Bytes;
using base::Reader;

TEST(Reader, ReadsLittleEndianNumbersInOrder) {
  const Bytes data = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
  Reader r(data);
  EXPECT_EQ(*r.u8(), 0x01);
  EXPECT_EQ(*r.u16(), 0x0302);
  EXPECT_EQ(*r.u24(), 0x060504u);
  EXPECT_EQ(*r.u32(), 0x0A090807u);
  EXPECT_TRUE(r.atEnd());
}

TEST(Reader, RefusesEveryReadPastTheEndAndStaysPut) {
  const Bytes data = {0xAA, 0xBB, 0xCC};
  Reader r(data, 2);
  EXPECT_FALSE(r.u16().has_value());
  EXPECT_FALSE(r.u32().has_value());
  EXPECT_FALSE(r.bytes(2).has_value());
  EXPECT_FALSE(r.skip(2).has_value());
  EXPECT_EQ(r.position(), 2u);
  EXPECT_EQ(*r.u8(), 0xCC);
  EXPECT_FALSE(r.u8().has_value());
  EXPECT_FALSE(r.seek(4).has_value());
  EXPECT_TRUE(r.seek(3).has_value());
}

TEST(Reader, HugeCountsDoNotWrapAround) {
  const Bytes data(16, 0);
  Reader r(data, 8);
  EXPECT_FALSE(r.bytes(SIZE_MAX - 4).has_value());
  EXPECT_FALSE(base::fits(data, 8, SIZE_MAX - 4));
  EXPECT_FALSE(base::fits(data, 17, 0));
  EXPECT_TRUE(base::fits(data, 16, 0));
}

TEST(Reader, ZeroTerminatedTextNeedsItsZero) {
  const Bytes data = {'a', 'b', 0, 'c'};
  Reader r(data);
  EXPECT_EQ(*r.zeroTerminated(), "ab");
  EXPECT_EQ(r.position(), 3u);
  auto unterminated = r.zeroTerminated("title");
  ASSERT_FALSE(unterminated.has_value());
  EXPECT_NE(unterminated.error().message.find("title"), std::string::npos);
}

TEST(Reader, ErrorNamesWhatWasBeingRead) {
  const Bytes data = {1};
  auto value = base::readU32(data, 0, "byte count");
  ASSERT_FALSE(value.has_value());
  EXPECT_NE(value.error().message.find("byte count"), std::string::npos);
  EXPECT_FALSE(base::readU16(data, 5).has_value());
}

// The view reads zeros around the data, also at offsets whose neighbours would overflow.
TEST(ZeroExtended, ReadsZerosOutsideTheData) {
  const Bytes data = {0x01, 0x02, 0x03};
  const base::ZeroExtended view(data);
  EXPECT_EQ(view.u16(2), 0x0003u);
  EXPECT_EQ(view.u24(0), 0x030201u);
  EXPECT_EQ(view.u32(-1), 0x03020100u);
  EXPECT_EQ(view.u32(INT64_MAX), 0u);
  EXPECT_EQ(view.u32(INT64_MIN), 0u);
  EXPECT_FALSE(view.holds(INT64_MAX, 1));
}

TEST(Utf8, CountsAndCutsWholeCharacters) {
  const std::string text = "a\xE9\xA4\x8C.\xE9\xA3\x9F";  // "a", a 3-byte character, ".", another
  EXPECT_EQ(base::utf8Length(text), 4u);
  EXPECT_EQ(base::utf8Prefix(text, 2), "a\xE9\xA4\x8C");
  EXPECT_EQ(base::utf8Suffix(text, 2), ".\xE9\xA3\x9F");
  EXPECT_EQ(base::utf8Prefix(text, 9), text);
  EXPECT_EQ(base::utf8Suffix(text, 9), text);
  EXPECT_EQ(base::utf8Prefix("\x80\x80x", 1), "\x80\x80");  // the first byte always starts one
}

TEST(Utf8, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  const std::string bad = "\xEF\xBF\xBD";
  EXPECT_EQ(base::validUtf8("a\xE9\xA4\x8C\xF0\x9F\x90\x9F"), "a\xE9\xA4\x8C\xF0\x9F\x90\x9F");  // whole ones pass
  EXPECT_EQ(base::validUtf8("\xFF\xFE" "ab"), bad + bad + "ab");             // a file name in another encoding
  EXPECT_EQ(base::validUtf8("x\xE9\xA4"), "x" + bad);                     // cut short at the end: one
  EXPECT_EQ(base::validUtf8("\xC0\xAF\xED\xA0\x80"), bad + bad + bad + bad + bad);  // overlong, surrogate
}

}  // namespace
