#include "orbisk/preview_text.hpp"

#include "base/strcat.hpp"

namespace orbisk {

namespace {

std::string twoDigits(std::uint64_t value) { return base::strcat(value < 10 ? "0" : "", value); }

}  // namespace

std::string previewCaption(std::string_view resourceName) { return base::strcat(kPreviewCaptionHead, resourceName); }

std::string previewNoFolderMessage(std::string_view outputFolder) {
  return base::strcat(kPreviewNoFolderHead, "\n\r", outputFolder, "\n\r", kPreviewNoFolderTail);
}

std::string tempFolderMessage(std::string_view tempFolder) {
  return base::strcat(kTempFolderHead, "\n\r\n\r   ", tempFolder, "\n\r\n\r", kTempFolderMiddle, "\n\r", kTempFolderTail);
}

WindowSize bitmapWindowSize(int bitmapWidth, int bitmapHeight) {
  return {bitmapWidth <= 110 ? 120 : bitmapWidth + 12, bitmapHeight + 72};
}

std::string wavePositionText(std::uint64_t ms) {
  // Hundredths rounded half up, in whole numbers so that no binary fraction can tip them.
  const std::uint64_t hundredths = (ms + 5) / 10;
  return base::strcat(hundredths / 100, ".", twoDigits(hundredths % 100));
}

std::string waveLengthText(std::uint64_t ms) { return base::strcat("/ ", wavePositionText(ms), "秒"); }

std::string midiPositionText(std::uint64_t ms) {
  const std::uint64_t seconds = ms / 1000;
  return base::strcat(seconds / 60, "分", twoDigits(seconds % 60), "秒");
}

std::string midiLengthText(std::uint64_t ms) { return base::strcat("/ ", midiPositionText(ms)); }

std::string positionText(Kind kind, std::uint64_t ms) {
  return kind == Kind::Midi ? midiPositionText(ms) : wavePositionText(ms);
}

std::string lengthText(Kind kind, std::uint64_t ms) { return kind == Kind::Midi ? midiLengthText(ms) : waveLengthText(ms); }

int refreshIntervalMs(Kind kind) { return kind == Kind::Midi ? 200 : 100; }

std::optional<std::size_t> steppedIndex(std::size_t current, std::size_t count, int step) {
  if (count < 2 || current >= count || step == 0) return std::nullopt;
  if (step > 0) return current + 1 == count ? 0 : current + 1;
  return current == 0 ? count - 1 : current - 1;
}

}  // namespace orbisk
