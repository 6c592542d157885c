#include "samples/fish_drawing.hpp"

#include <cmath>
#include <numbers>

namespace samples {
namespace {

// System-palette indices (colour cube entry 36r + 6g + b counts down from white).
constexpr std::uint8_t kOrange = 17;    // 255, 153, 0
constexpr std::uint8_t kOutline = 59;   // 204, 102, 0
constexpr std::uint8_t kBelly = 5;      // 255, 255, 0
constexpr std::uint8_t kStripe = 245;   // pale grey
constexpr std::uint8_t kTail = 216;     // red ramp
constexpr std::uint8_t kEye = 255;      // black
constexpr std::uint8_t kWater = 36;     // 204, 255, 255

struct Pose {
  double cx, cy;      // body centre
  double halfLength;  // along the view, shrinks as the fish faces the viewer
  double halfHeight;
  double facing;      // -1 facing left, +1 facing right
  double tailPhase;   // radians
};

struct Canvas {
  std::size_t width, height;
  base::Bytes pixels;
  void put(long x, long y, std::uint8_t colour) {
    // The rightmost column stays transparent.
    if (x < 0 || y < 0 || x >= static_cast<long>(width) - 1 || y >= static_cast<long>(height)) return;
    pixels[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)] = colour;
  }
};

void drawFish(Canvas& canvas, const Pose& pose) {
  const double tailSwing = 4.0 * std::sin(pose.tailPhase);
  const double tailLength = 6.0 + 10.0 * pose.halfLength / 30.0;
  const double backX = pose.cx - pose.facing * pose.halfLength;
  // Tail: a triangle behind the body whose tip swings up and down.
  for (double t = 0; t <= tailLength; t += 0.5) {
    const double spread = 2.0 + t * 0.8;
    const double x = backX - pose.facing * t;
    const double centre = pose.cy + tailSwing * t / tailLength;
    for (double dy = -spread; dy <= spread; dy += 0.5) canvas.put(std::lround(x), std::lround(centre + dy), kTail);
  }
  // Body: an ellipse with an outline, a belly and two stripes.
  for (long y = 0; y < static_cast<long>(canvas.height); ++y) {
    for (long x = 0; x < static_cast<long>(canvas.width); ++x) {
      const double u = (static_cast<double>(x) - pose.cx) / pose.halfLength;
      const double v = (static_cast<double>(y) - pose.cy) / pose.halfHeight;
      const double r = u * u + v * v;
      if (r > 1.0) continue;
      std::uint8_t colour = kOrange;
      if (r > 0.78) colour = kOutline;
      else if (v > 0.45) colour = kBelly;
      else if (std::abs(u * pose.facing + 0.1) < 0.07 || std::abs(u * pose.facing - 0.35) < 0.07) colour = kStripe;
      canvas.put(x, y, colour);
    }
  }
  // Dorsal fin and the eye near the head.
  for (long k = 0; k < 6; ++k)
    for (long h = 0; h <= 5 - k; ++h)
      canvas.put(std::lround(pose.cx - pose.facing * static_cast<double>(k - 2)),
                 std::lround(pose.cy - pose.halfHeight - static_cast<double>(h) + 1), kTail);
  const long eyeX = std::lround(pose.cx + pose.facing * pose.halfLength * 0.6);
  const long eyeY = std::lround(pose.cy - pose.halfHeight * 0.25);
  for (long dy = 0; dy < 2; ++dy)
    for (long dx = 0; dx < 2; ++dx) canvas.put(eyeX + dx, eyeY + dy, kEye);
}

}  // namespace

base::Bytes framePixels(std::size_t frame) {
  Canvas canvas{kFrameWidth, kFrameHeight, base::Bytes(kFrameWidth * kFrameHeight, 0)};
  const std::size_t animation = frame / 8;
  const std::size_t step = frame % 8;
  // The heading turns from left (0) to right (pi) over the animations, a little in each frame.
  const double heading = std::numbers::pi * (static_cast<double>(animation) + static_cast<double>(step) / 8.0) / 18.0;
  const double side = std::cos(heading);
  Pose pose;
  pose.facing = side >= 0 ? -1.0 : 1.0;
  pose.halfLength = 8.0 + 18.0 * std::abs(side);
  pose.halfHeight = 13.0;
  pose.cx = 48.0 + pose.facing * (static_cast<double>(step) - 3.5);
  pose.cy = 32.0;
  pose.tailPhase = 2.0 * std::numbers::pi * static_cast<double>(step) / 8.0;
  drawFish(canvas, pose);
  return canvas.pixels;
}

base::Bytes iconPixels() {
  Canvas canvas{kIconSize + 1, kIconSize, base::Bytes((kIconSize + 1) * kIconSize, kWater)};
  drawFish(canvas, Pose{46.0, 41.0, 26.0, 15.0, -1.0, 1.0});
  base::Bytes icon(kIconSize * kIconSize);
  for (std::size_t y = 0; y < kIconSize; ++y)
    for (std::size_t x = 0; x < kIconSize; ++x) icon[y * kIconSize + x] = canvas.pixels[y * (kIconSize + 1) + x];
  return icon;
}

}  // namespace samples
