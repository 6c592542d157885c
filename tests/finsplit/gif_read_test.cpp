// The GIFs as another reader sees them: Qt's own GIF reader plays them back, frame by frame.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <random>

#include "finsplit/sheet.hpp"
#include "fishfile/system_palette.hpp"
#include "image/gif_write.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/samples.hpp"

namespace {

struct Played {
  std::vector<QImage> frames;
  std::vector<int> delays;
  int loops = 0;
};

Played play(const base::Bytes& gif) {
  QByteArray bytes(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  Played played;
  played.loops = reader.loopCount();
  while (reader.canRead()) {
    QImage frame;
    if (!reader.read(&frame)) {
      ADD_FAILURE() << "frame " << played.frames.size() << ": " << reader.errorString().toStdString();
      break;
    }
    played.frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    played.delays.push_back(reader.nextImageDelay());
  }
  return played;
}

TEST(AnimationGif, PlaysTheSampleAnimationFrameForFrameWithIndexZeroClear) {
  auto fish = samples::sampleFish();
  ASSERT_TRUE(fish);
  auto animations = finsplit::decodeAnimations(*fish);
  ASSERT_TRUE(animations);
  constexpr std::size_t kAnimation = 9;
  auto gif = finsplit::animationGif((*animations)[kAnimation], 12);
  ASSERT_TRUE(gif) << gif.error().message;
  const Played played = play(*gif);
  ASSERT_EQ(played.frames.size(), 8u);
  EXPECT_EQ(played.loops, -1);  // for ever
  const auto& palette = fishfile::systemPalette();
  std::size_t mismatches = 0;
  for (std::size_t f = 0; f < 8; ++f) {
    EXPECT_EQ(played.delays[f], 120);
    const QImage& frame = played.frames[f];
    ASSERT_EQ(frame.width(), int{samples::kFrameWidth});
    ASSERT_EQ(frame.height(), int{samples::kFrameHeight});
    // The frame as the samples drew it; a frame not cleared away would show through index 0.
    const auto pixels = samples::framePixels(kAnimation * 8 + f);
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x) {
        const std::uint8_t index = pixels[static_cast<std::size_t>(y * frame.width() + x)];
        const QRgb expected = index == 0 ? 0u : qRgb(palette[index].red, palette[index].green, palette[index].blue);
        const QRgb got = qAlpha(frame.pixel(x, y)) == 0 ? 0u : frame.pixel(x, y);
        if (got != expected && ++mismatches <= 5)
          ADD_FAILURE() << "frame " << f << " at " << x << "," << y << ": " << std::hex << got << " instead of " << expected;
      }
  }
  EXPECT_EQ(mismatches, 0u);
}

// Noise makes the string table fill many times (a clear code at 4096, the codes growing from 9
// to 12 bits after each); a long stretch of few indices makes long strings.
TEST(AnimationGif, CodesALargeNoisyFrameThroughManyFullTables) {
  constexpr int kWidth = 301, kHeight = 257;
  std::vector<std::uint8_t> pixels(kWidth * kHeight);
  std::mt19937 random(20);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<std::uint8_t>(i < pixels.size() * 2 / 3 ? random() % 256 : random() % 3);
  image::GifAnimation animation;
  animation.width = kWidth;
  animation.height = kHeight;
  for (int i = 0; i < 256; ++i) animation.palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7};
  animation.frames = {{kWidth, kHeight, pixels}};
  auto gif = image::gifBytes(animation);
  ASSERT_TRUE(gif) << gif.error().message;
  const Played played = play(*gif);
  ASSERT_EQ(played.frames.size(), 1u);
  const QImage& frame = played.frames[0];
  ASSERT_EQ(frame.size(), QSize(kWidth, kHeight));
  std::size_t mismatches = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const int index = pixels[static_cast<std::size_t>(y * kWidth + x)];
      if (frame.pixel(x, y) != qRgb(index, 255 - index, 7) && ++mismatches <= 5)
        ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << frame.pixel(x, y) << " instead of index " << std::dec << index;
    }
  EXPECT_EQ(mismatches, 0u);
}

}  // namespace
