#include "fishfile/animation_set.hpp"

#include <cstdio>

#include "base/strcat.hpp"
#include "base/zero_extended.hpp"

namespace fishfile {

std::string frameName(std::size_t number) {
  char text[24];
  std::snprintf(text, sizeof text, "%04zu", number);
  return text;
}

bool looksLikeAnimationSet(base::ByteSpan file, std::size_t at, std::uint32_t byteCount) {
  const base::ZeroExtended view(file);
  auto b = [&](std::size_t k) { return view.u8(at + k); };
  if (byteCount < kMinAnimationSetSize || byteCount == kInfoBlockSize) return false;
  if (b(0) == 'B' && b(1) == 'M') return false;
  const auto animations = b(0);
  const auto frames = b(2);
  if (animations < 1 || animations > 16 || b(1) != 0) return false;
  if (frames < 1 || frames > 16) return false;
  for (std::size_t k = 3; k <= 7; ++k)
    if (b(k) != 0) return false;
  return true;
}

base::Result<std::vector<FrameView>> readAnimationSet(base::ByteSpan file, std::size_t at,
                                                      std::uint32_t byteCount, std::size_t firstFrame) {
  const base::ZeroExtended view(file);
  const std::size_t animations = view.u8(at);
  const std::size_t framesEach = view.u8(at + 2);
  std::vector<FrameView> frames;
  std::size_t p = 4;
  for (std::size_t a = 0; a < animations && p < byteCount; ++a) {
    for (std::size_t f = 0; f < framesEach && p < byteCount; ++f) {
      auto frame = readFrameRecord(file, at + p);
      if (!frame) return base::fail(base::strcat("Frame ", frameName(firstFrame + frames.size()), ": ", base::withFullStop(frame.error().message)));
      frames.push_back(*frame);
      p += frame->recordSize();
    }
    p += 2;  // the next animation's frame count, which readers take to equal the first
  }
  return frames;
}

base::Bytes makeAnimationSet(std::span<const base::Bytes> frameRecords) {
  const std::size_t animations = frameRecords.size() / 8;
  base::Bytes set;
  base::appendU16(set, static_cast<std::uint32_t>(animations));
  for (std::size_t a = 0; a < animations; ++a) {
    base::appendU16(set, 8);
    for (std::size_t f = 0; f < 8; ++f) base::appendBytes(set, frameRecords[a * 8 + f]);
  }
  return set;
}

}  // namespace fishfile
