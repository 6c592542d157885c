// The English catalogue as the command line uses it: whole messages, messages composed with
// names and numbers, and a catalogue that covers every Japanese text of the sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ui/catalogue.hpp"
#include "ui/language.hpp"

namespace {

class EnglishTest : public ::testing::Test {
 protected:
  void SetUp() override { ui::setLanguage(ui::Language::English); }
  void TearDown() override { ui::setLanguage(ui::Language::AsDesigned); }
};

TEST_F(EnglishTest, WholeAndComposedMessagesGetTheirRendering) {
  EXPECT_EQ(ui::translated("完了"), "Done");
  EXPECT_EQ(ui::translated("Watter Settings"), "Water Settings");
  EXPECT_EQ(ui::translated("5個のファイルが見つかりました"), "Files found: 5");
  EXPECT_EQ(ui::translated("/home/ann/a b.rez\n\rはすでに存在します。上書きしますか？"),
            "/home/ann/a b.rez\nalready exists. Replace it?");
  EXPECT_EQ(ui::translated("/ 1分05秒"), "/ 1 min 05 s");
  EXPECT_EQ(ui::translated("1.23秒"), "1.23 s");
  // What the catalogue does not know, and the placeholder's text alone, stay as they are.
  EXPECT_EQ(ui::translated("Wrote lake.tqn (5 bytes)"), "Wrote lake.tqn (5 bytes)");
  EXPECT_EQ(ui::translated("個のファイルが見つかりました"), "個のファイルが見つかりました");
  ui::setLanguage(ui::Language::AsDesigned);
  EXPECT_EQ(ui::translated("完了"), "完了");
}

bool isJapanese(const std::string& text) {
  // Kana and kanji are three bytes in UTF-8, led by 0xE3-0xE9; the full-width forms by 0xEF.
  for (unsigned char c : text)
    if (c >= 0xE3 && c <= 0xEF) return true;
  return false;
}

// The string literals of a source file, comments left out.
std::vector<std::string> literals(const std::string& code) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code.compare(i, 2, "//") == 0) {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
    } else if (code[i] == '"' && (i == 0 || code[i - 1] != '\'')) {
      std::string text;
      for (++i; i < code.size() && code[i] != '"'; ++i) {
        if (code[i] == '\\' && i + 1 < code.size()) {
          const char escaped = code[++i];
          text += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
        } else {
          text += code[i];
        }
      }
      out.push_back(text);
    }
  }
  return out;
}

// Whether a Japanese text (a whole message, or the head or tail of one composed around a name)
// is part of some finished entry's source.
bool covered(const std::string& text) {
  for (std::size_t i = 0; i < ui::catalogue::kEnglishSize; ++i) {
    const auto& entry = ui::catalogue::kEnglish[i];
    if (entry.finished && std::string_view(entry.source).find(text) != std::string_view::npos) return true;
  }
  return false;
}

TEST(CatalogueTest, EveryEntryIsFinishedAndEveryJapaneseTextOfTheToolsHasOne) {
  std::string unfinished;
  for (std::size_t i = 0; i < ui::catalogue::kEnglishSize; ++i)
    if (!ui::catalogue::kEnglish[i].finished) unfinished += std::string("  ") + ui::catalogue::kEnglish[i].source + '\n';
  EXPECT_EQ(unfinished, "") << "these entries of translations/brinkit_en.ts are unfinished";

  // The command line's help texts gloss Japanese captions in English and need no entry; the
  // samples' texts are data.
  std::string missing;
  for (const auto& file : std::filesystem::recursive_directory_iterator(BRINKIT_SOURCE_DIR)) {
    const auto path = file.path();
    if (path.extension() != ".cpp" && path.extension() != ".hpp") continue;
    if (path.parent_path().filename() == "samples" || path.filename() == "command.cpp" || path.filename() == "main.cpp")
      continue;
    std::ifstream in(path, std::ios::binary);
    std::stringstream code;
    code << in.rdbuf();
    for (const std::string& text : literals(code.str()))
      if (isJapanese(text) && !covered(text))
        missing += "  " + path.filename().string() + ": \"" + text + "\"\n";
  }
  EXPECT_EQ(missing, "") << "these Japanese texts have no entry in translations/brinkit_en.ts";
}

}  // namespace
