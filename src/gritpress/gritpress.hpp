#pragma once
// gritpress's user actions, shared by its window and its command line: choosing and checking
// the top (上面) and side (側面) bitmaps, choosing the output file, and Output (出力), which
// checks the numbers, the bitmaps and the output file before writing the gravel file.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/bytes.hpp"
#include "ui/ui.hpp"

namespace gritpress {

inline constexpr const char* kCaption = "TQ GritPress";

// Messages, exactly as the program shows them.
inline constexpr const char* kHeightNotNumber = "高さが数字じゃないよ";
inline constexpr const char* kDepthNotNumber = "奥行が数字じゃないよ";
inline constexpr const char* kNegative = "マイナス値はだめよ";
inline constexpr const char* kHeightTooLarge = "高さが大きすぎるよ（65535まで）";
inline constexpr const char* kDepthTooLarge = "奥行が大きすぎるよ（65535まで）";
inline constexpr const char* kTopInvalid = "上面ファイルが正しくありません";
inline constexpr const char* kSideInvalid = "側面ファイルが正しくありません";
inline constexpr const char* kOutputInvalid = "出力ファイルが正しくありません";
inline constexpr const char* kNotBmp = "not BMP type";
inline constexpr const char* kNotOnePlane = "not 1 planes";
inline constexpr const char* kNot256 = "not 256 color";
inline constexpr const char* kCompressed = "Compress BMP";
inline constexpr const char* kNameShort = "FileName short";
inline constexpr const char* kOverwrite = "上書";
inline constexpr const char* kNewFile = "新規";
inline constexpr const char* kDone = "完了";
inline constexpr const char* kErrorGetFile1 = "Error OpenGetFile1 ";
inline constexpr const char* kErrorGetFile2 = "Error OpenGetFile2 ";
inline constexpr const char* kErrorPutFile = "Error OpenPutFile ";
inline constexpr const char* kErrorCheck = "Error Check ";
inline constexpr const char* kPathError = "Path error";
inline constexpr const char* kFileNameError = "FileName error";
inline constexpr const char* kFileModeError = "FileMode error";
inline constexpr const char* kOtherError = "ERROR!!!";

// Dialogs.
inline constexpr const char* kBitmapFilter = "画像|*.bmp";
inline constexpr const char* kGravelFilter = "底砂|*.grv";
inline constexpr const char* kOutputTitle = "出力ファイル";

// Presets of the boxes.
inline constexpr const char* kDefaultHeight = "57";
inline constexpr const char* kDefaultDepth = "50";
inline constexpr const char* kDefaultOutput = "temp.grv";

// Before any bitmap is checked the size display reads so.
inline constexpr const char* kNoSize = "W/H=0/0 pixels";

// The largest value the gravel file's 16-bit fields hold.
constexpr double kMaxDimension = 65535;
// A bitmap no longer than this still fits a gravel file's 24-bit offsets.
constexpr std::size_t kMaxBitmapBytes = 16'777'215;

enum class Side { Top = 0, Side = 1 };
constexpr std::array<Side, 2> kSides = {Side::Top, Side::Side};
// "上面" / "側面"
std::string_view sideName(Side side);

// What the check made of one bitmap.
struct BitmapCheck {
  bool ok = false;
  std::string refusal;  // the refusal's message when not ok ("not 256 color" …)
  std::string detail;   // a second line where there is more to say
  std::uint32_t width = 0, height = 0;
  std::uint64_t fileLength = 0;
};

// The bitmap check on a whole file: "BM", one plane, 8 bits per pixel, no compression.
// A file too short for the fields it looks at (34 bytes) is "not BMP type". The height of a
// top-down bitmap (stored negative) counts by its size.
BitmapCheck checkBitmap(base::ByteSpan file);

// "W/H=283/100 pixels=10.0/3.5cm Size=85978bytes": the size in pixels, in centimetres at
// 72 pixels per inch, and the file's length.
std::string sizeDisplay(const BitmapCheck& check);

// The value of a number box when its whole text (blanks around it aside) is a decimal
// number: an optional sign, digits, an optional fraction ("57", "57.5", "-1", ".5").
// Anything else ("", "abc", "12abc", "1e3") is not a number.
std::optional<double> wholeNumber(std::string_view text);

// What the boxes hold, as typed (UTF-8).
struct Boxes {
  std::string height = kDefaultHeight;
  std::string depth = kDefaultDepth;
  std::string output = kDefaultOutput;
};

// One input side: the chosen path (empty when none) and, once checked, its result.
struct Input {
  std::string path;
  std::optional<BitmapCheck> check;
  bool ok() const { return check && check->ok; }
  // "OK", "NG", or empty before a check.
  std::string result() const;
  std::string display() const;
};

struct OutputResult {
  ui::Outcome outcome = ui::Outcome::Cancelled;
  std::filesystem::path output;
  std::size_t bytes = 0;
};

class Gritpress {
 public:
  explicit Gritpress(ui::Ui& ui) : ui_(ui) {}

  // 参照 of an input: the image dialog, then chooseInput on the chosen file.
  ui::Outcome browseInput(Side side);
  // Takes a file as one side's bitmap and checks it; a failed check says why. Done when the
  // result is "OK".
  ui::Outcome chooseInput(Side side, const std::filesystem::path& file);
  const Input& input(Side side) const { return inputs_[static_cast<std::size_t>(side)]; }

  // 参照 of the output: the gravel dialog; the chosen file goes into the output box.
  ui::Outcome browseOutput();

  Boxes boxes;

  // 出力: the checks in order, then the gravel file, then "完了".
  OutputResult output();

 private:
  // A message box titled "TQ GritPress", with a second line where there is more to say.
  void tell(std::string_view text, std::string detail = {});
  // The output box's file when it is acceptable and may be written (asking before replacing
  // a file); nullopt when the output stops.
  std::optional<std::filesystem::path> acceptedOutput(ui::Outcome& why);
  std::optional<base::Bytes> rereadInput(Side side);

  ui::Ui& ui_;
  std::array<Input, 2> inputs_;
};

// The question before replacing an existing output file: Yes replaces it (上書), No chooses a
// new name (新規), Cancel stops.
std::string overwriteChoice(const std::string& path);

}  // namespace gritpress
