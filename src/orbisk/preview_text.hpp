#pragma once
// The preview window's rules that need no screen: its caption, its size for a bitmap or a
// sound, the length and position texts of the two sound kinds, the refresh interval, and
// previous/next with wrap-around over the resource list.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "orbisk/scan.hpp"

namespace orbisk {

// The preview's texts.
inline constexpr const char* kPreviewCaptionHead = "プレビュー - ";  // then the resource name
inline constexpr const char* kPreviewFailed = "プレビューに失敗しました";
inline constexpr const char* kPreviewSave = "Save";
// The preview's Save with the output folder missing: head, "\n\r", folder, "\n\r", tail.
inline constexpr const char* kPreviewNoFolderHead = "出力先フォルダ";
inline constexpr const char* kPreviewNoFolderTail = "が存在しません。ファイルの解凍に失敗しました。";
// The temp folder that cannot be removed at exit: head, "\n\r\n\r   ", path, "\n\r\n\r", middle,
// "\n\r", tail.
inline constexpr const char* kTempFolderHead = "フォルダ";
inline constexpr const char* kTempFolderMiddle = "の削除に失敗しました。このフォルダは「Orbisk」";
inline constexpr const char* kTempFolderTail = "が使いますので、なるべく他のファイルを入れないで下さい。";

std::string previewCaption(std::string_view resourceName);
std::string previewNoFolderMessage(std::string_view outputFolder);
std::string tempFolderMessage(std::string_view tempFolder);

struct WindowSize {
  int width = 0;
  int height = 0;
  bool operator==(const WindowSize&) const = default;
};

// A bitmap's window: 120 wide up to a bitmap 110 pixels wide, else the bitmap's width + 12;
// the bitmap's height + 72 high.
WindowSize bitmapWindowSize(int bitmapWidth, int bitmapHeight);
// A sound's window.
inline constexpr WindowSize kSoundWindowSize{250, 115};

// The sounds' texts, from milliseconds. Waves: seconds with two decimals, rounded
// ("1.23"; the length "/ 1.23秒"). MIDI: minutes, "分", whole seconds as two digits, "秒"
// ("0分05秒"; the length "/ 0分05秒"); the seconds are cut, not rounded, so that the position
// reaches the length exactly when the sound ends.
std::string wavePositionText(std::uint64_t ms);
std::string waveLengthText(std::uint64_t ms);
std::string midiPositionText(std::uint64_t ms);
std::string midiLengthText(std::uint64_t ms);
std::string positionText(Kind kind, std::uint64_t ms);  // kind Wave or Midi
std::string lengthText(Kind kind, std::uint64_t ms);
// How often the position is refreshed while a sound plays: 100 ms for waves, 200 ms for MIDI.
int refreshIntervalMs(Kind kind);

// Previous (step -1) or next (step +1) from `current` over `count` resources, wrapping
// around at both ends. Nothing with fewer than two resources or a current index out of range.
std::optional<std::size_t> steppedIndex(std::size_t current, std::size_t count, int step);

}  // namespace orbisk
