#include <gtest/gtest.h>

#include "base/codepage.hpp"

namespace {

using base::CodePage;

TEST(CodePage, JapaneseTextBecomesShiftJisBytesLeadByteFirst) {
  // "あ" is 82 A0 and "ア" 83 41; ASCII stays one byte each.
  EXPECT_EQ(*base::toCodePage("Aあア", CodePage::Cp932), "A\x82\xA0\x83\x41");
  EXPECT_EQ(*base::fromCodePage("\x82\xA0\x83\x41", CodePage::Cp932), "あア");
  // Half-width katakana take one byte.
  EXPECT_EQ(*base::toCodePage("ｱ", CodePage::Cp932), "\xB1");
}

TEST(CodePage, WesternTextIsOneBytePerCharacter) {
  EXPECT_EQ(*base::toCodePage("café €", CodePage::Cp1252), "caf\xE9 \x80");
  EXPECT_EQ(*base::fromCodePage("caf\xE9", CodePage::Cp1252), "café");
}

TEST(CodePage, ACharacterTheCodePageCannotHoldIsAnErrorNamingIt) {
  auto euro = base::toCodePage("5 €", CodePage::Cp932);
  ASSERT_FALSE(euro.has_value());
  EXPECT_NE(euro.error().message.find("€"), std::string::npos);
  EXPECT_NE(euro.error().message.find("932"), std::string::npos);
  EXPECT_FALSE(base::toCodePage("あ", CodePage::Cp1252).has_value());
  EXPECT_FALSE(base::fromCodePage("\x82", CodePage::Cp932).has_value());
  // A tag character (U+E0041), which the converter would drop without a word.
  auto tag = base::toCodePage("a\xF3\xA0\x81\x81" "b", CodePage::Cp1252);
  ASSERT_FALSE(tag.has_value());
  EXPECT_NE(tag.error().message.find("\xF3\xA0\x81\x81"), std::string::npos);
  // Bytes that are not UTF-8 are named as U+FFFD, so the message itself stays UTF-8.
  auto broken = base::toCodePage("a\xFF", CodePage::Cp1252);
  ASSERT_FALSE(broken.has_value());
  EXPECT_EQ(broken.error().message, "The character \"\xEF\xBF\xBD\" cannot be written in code page 1252.");
}

TEST(CodePage, ParsesOnlyTheTwoPages) {
  EXPECT_EQ(*base::parseCodePage("932"), CodePage::Cp932);
  EXPECT_EQ(*base::parseCodePage("1252"), CodePage::Cp1252);
  EXPECT_FALSE(base::parseCodePage("437").has_value());
}

}  // namespace

namespace {

TEST(CodePage, SingleByteTextRefusesDoubleByteCharacters) {
  EXPECT_EQ(*base::toSingleByteCodePage("Nemo ｱ", CodePage::Cp932), "Nemo \xB1");
  auto kanji = base::toSingleByteCodePage("Koi 鯉", CodePage::Cp932);
  ASSERT_FALSE(kanji.has_value());
  EXPECT_NE(kanji.error().message.find("鯉"), std::string::npos);
  EXPECT_EQ(*base::toSingleByteCodePage("é", CodePage::Cp1252), "\xE9");
  EXPECT_EQ(*base::toSingleByteCodePage("", CodePage::Cp932), "");
}

}  // namespace
