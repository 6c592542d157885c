#include "samples/bitmaps.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "fishfile/system_palette.hpp"

namespace samples {

namespace {

using base::Bytes;

// System-palette indices (colour cube entry 36r + 6g + b counts down from white).
constexpr std::uint8_t kLeaf = 3 * 36 + 1 * 6 + 4;      // 102, 204, 51
constexpr std::uint8_t kDarkLeaf = 4 * 36 + 2 * 6 + 5;  // 51, 153, 0
constexpr std::uint8_t kStem = 3 * 36 + 2 * 6 + 5;      // 102, 153, 0
constexpr std::uint8_t kWater = 36;                     // 204, 255, 255
constexpr std::uint8_t kPebbles[] = {245, 247, 249, 1 * 36 + 1 * 6 + 2, 2 * 36 + 2 * 6 + 3, 3 * 36 + 3 * 6 + 4};

struct Picture {
  std::size_t width, height;
  Bytes pixels;
  Picture(std::size_t w, std::size_t h, std::uint8_t fill) : width(w), height(h), pixels(w * h, fill) {}
  void put(double x, double y, std::uint8_t colour) {
    const long px = std::lround(x), py = std::lround(y);
    if (px < 0 || py < 0 || px >= static_cast<long>(width) || py >= static_cast<long>(height)) return;
    pixels[static_cast<std::size_t>(py) * width + static_cast<std::size_t>(px)] = colour;
  }
  Bytes bitmap() const { return base::write8BitBmp(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), fishfile::systemPalette(), pixels); }
};

// A leaf: an ellipse along the direction `angle` from (x, y).
void leaf(Picture& p, double x, double y, double angle, double length, double breadth) {
  for (double t = 0; t <= length; t += 0.5)
    for (double s = -breadth; s <= breadth; s += 0.5) {
      const double u = (t - length / 2) / (length / 2), v = s / breadth;
      if (u * u + v * v > 1) continue;
      p.put(x + t * std::cos(angle) - s * std::sin(angle), y + t * std::sin(angle) + s * std::cos(angle),
            std::abs(v) < 0.15 ? kDarkLeaf : kLeaf);
    }
}

// A plant seen from the front: a stem with leaves in pairs up to the top.
Picture frontPlant(std::size_t width, std::size_t height, std::uint8_t background) {
  Picture p(width, height, background);
  const double cx = static_cast<double>(width) / 2, h = static_cast<double>(height);
  for (double y = h - 1; y > h * 0.08; y -= 0.5) p.put(cx + 2 * std::sin(y / 9), y, kStem);
  for (int k = 0; k < 6; ++k) {
    const double y = h * (0.85 - 0.13 * k);
    const double size = static_cast<double>(width) * (0.42 - 0.04 * k);
    leaf(p, cx + 2 * std::sin(y / 9), y, -0.5, size, size * 0.22);
    leaf(p, cx + 2 * std::sin(y / 9), y, 3.14159 + 0.5, size, size * 0.22);
  }
  return p;
}

Picture gravel(std::size_t width, std::size_t height) {
  Picture p(width, height, kPebbles[0]);
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int n = 0; n < static_cast<int>(width * height / 12); ++n) {
    const auto x = static_cast<double>(next() % width), y = static_cast<double>(next() % height);
    const auto r = static_cast<double>(1 + next() % 3);
    const std::uint8_t colour = kPebbles[next() % 6];
    for (double dy = -r; dy <= r; ++dy)
      for (double dx = -r; dx <= r; ++dx)
        if (dx * dx + dy * dy <= r * r) p.put(x + dx, y + dy, colour);
  }
  return p;
}

// Food colours: cube entries of orange, red, yellow, tan and brown flakes and green pellets.
constexpr std::uint8_t kOrange = 0 * 36 + 2 * 6 + 5;     // 255, 153, 0
constexpr std::uint8_t kRed = 1 * 36 + 4 * 6 + 5;        // 204, 51, 0
constexpr std::uint8_t kYellow = 0 * 36 + 1 * 6 + 4;     // 255, 204, 51
constexpr std::uint8_t kTan = 0 * 36 + 1 * 6 + 2;        // 255, 204, 153
constexpr std::uint8_t kBrown = 2 * 36 + 3 * 6 + 4;      // 153, 102, 51
constexpr std::uint8_t kDarkBrown = 3 * 36 + 4 * 6 + 5;  // 102, 51, 0
constexpr std::uint8_t kPelletGreen = 3 * 36 + 2 * 6 + 4;  // 102, 153, 51
constexpr std::uint8_t kDeepWater = 2 * 36 + 1 * 6 + 0;  // 153, 204, 255
constexpr std::uint8_t kFoam = 0 * 36 + 0 * 6 + 1;       // 255, 255, 204

// A flake: a wavy-edged disc squashed along `angle` by `tilt` (1 flat on, near 0 edge on),
// with a darker rim.
void flake(Picture& p, double cx, double cy, double radius, double angle, double tilt, std::uint8_t colour,
           std::uint8_t rim) {
  for (double dy = -radius - 1; dy <= radius + 1; dy += 0.5)
    for (double dx = -radius - 1; dx <= radius + 1; dx += 0.5) {
      const double u = (dx * std::cos(angle) + dy * std::sin(angle)) / std::max(tilt, 0.12);
      const double v = -dx * std::sin(angle) + dy * std::cos(angle);
      const double r = std::sqrt(u * u + v * v), a = std::atan2(v, u);
      const double edge = radius * (0.86 + 0.14 * std::sin(5 * a + radius));
      if (r > edge) continue;
      p.put(cx + dx, cy + dy, r > edge - 1.2 ? rim : colour);
    }
}

// A round pellet with a light spot at its upper left.
void pellet(Picture& p, double cx, double cy, double radius, std::uint8_t colour, std::uint8_t shade) {
  for (double dy = -radius; dy <= radius; dy += 0.5)
    for (double dx = -radius; dx <= radius; dx += 0.5) {
      const double d = dx * dx + dy * dy;
      if (d > radius * radius) continue;
      const double sx = dx + radius * 0.35, sy = dy + radius * 0.35;
      std::uint8_t c = d > radius * radius * 0.6 && dx + dy > 0 ? shade : colour;
      if (sx * sx + sy * sy < radius * radius * 0.08) c = kFoam;
      p.put(cx + dx, cy + dy, c);
    }
}

}  // namespace

Bytes plantIcon() { return frontPlant(83, 83, kWater).bitmap(); }

Bytes plantTop() {
  Picture p(64, 64, 0);
  for (int k = 0; k < 8; ++k) leaf(p, 32, 32, k * 3.14159 / 4, 30, 6);
  return p.bitmap();
}

Bytes plantFront() { return frontPlant(96, 128, 0).bitmap(); }
Bytes gravelSurface() { return gravel(160, 90).bitmap(); }
Bytes gravelAspect() { return gravel(160, 57).bitmap(); }

std::string plantDescription() {
  return "A sample water plant drawn by brinkit: a slender stem with six pairs of bright leaves. "
         "Easy to keep, grows in any tank.";
}

Bytes foodPicture() {
  Picture p(83, 83, kWater);
  // Deeper water towards the bottom, the two blues blended by an ordered dither.
  constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  for (int y = 0; y < 83; ++y)
    for (int x = 0; x < 83; ++x)
      if ((y - 20) / 40.0 * 16 > kBayer[y % 4][x % 4] + 0.5) p.put(x, y, kDeepWater);
  // A few rising bubbles.
  for (const auto& [bx, by, br] : {std::array{16.0, 14.0, 3.0}, std::array{22.0, 6.0, 2.0}, std::array{66.0, 20.0, 2.5}})
    for (double t = 0; t < 6.3; t += 0.05) p.put(bx + br * std::cos(t), by + br * std::sin(t), kFoam);
  // The heap: flakes of every colour, pellets in front.
  std::uint32_t seed = 4242;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  const std::uint8_t colours[] = {kOrange, kRed, kYellow, kTan, kOrange, kBrown};
  for (int k = 0; k < 34; ++k) {
    const double t = static_cast<double>(next() % 1000) / 1000.0;
    const double x = 8 + 67 * t;
    const double top = 42 + 26 * std::pow(2 * t - 1, 2);  // the heap's outline, highest in the middle
    const double y = top + static_cast<double>(next() % 1000) / 1000.0 * (80 - top);
    flake(p, x, y, 5 + next() % 4, static_cast<double>(next() % 628) / 100.0, 0.45 + (next() % 55) / 100.0,
          colours[next() % 6], kDarkBrown);
  }
  for (const auto& [x, y] : {std::array{26.0, 66.0}, std::array{41.0, 58.0}, std::array{55.0, 69.0}, std::array{35.0, 75.0},
                             std::array{63.0, 60.0}})
    pellet(p, x, y, 4.2, kPelletGreen, kDarkLeaf);
  // Two flakes still sinking onto the heap.
  flake(p, 30, 24, 6, 0.6, 0.55, kOrange, kDarkBrown);
  flake(p, 54, 33, 5, 2.1, 0.8, kYellow, kBrown);
  return p.bitmap();
}

Bytes foodFrame(std::size_t k) {
  Picture p(24, 24, 0);
  const double turn = 2 * 3.14159265 * static_cast<double>(k % kFoodFrameCount) / static_cast<double>(kFoodFrameCount);
  // The flake tumbles (its face turns towards and away from the viewer) and sways as it sinks.
  const double tilt = std::max(0.3, std::abs(std::cos(turn)));
  flake(p, 12 + 2.5 * std::sin(turn), 12, 8, 0.5 + turn / 4, tilt, tilt > 0.5 ? kOrange : kRed, kDarkBrown);
  // A speck of yellow on the face when it faces the viewer.
  if (tilt > 0.6) pellet(p, 12 + 2.5 * std::sin(turn) - 2, 11, 1.6, kYellow, kYellow);
  return p.bitmap();
}

base::Result<void> writeBitmaps(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return base::fail(base::strcat("Cannot make the folder ", base::displayPath(folder), ": ", ec.message(), "."));
  const std::string description = plantDescription();
  const std::pair<const char*, Bytes> files[] = {
      {"plant-icon.bmp", plantIcon()},         {"plant-top.bmp", plantTop()},
      {"plant-front.bmp", plantFront()},       {"gravel-surface.bmp", gravelSurface()},
      {"gravel-aspect.bmp", gravelAspect()},   {"plant-description.txt", Bytes(description.begin(), description.end())}};
  for (const auto& [name, data] : files)
    if (auto ok = base::writeFileAtomically(folder / base::pathFromUtf8(name), data); !ok) return ok;
  if (auto ok = base::writeFileAtomically(folder / "food-picture.bmp", foodPicture()); !ok) return ok;
  for (std::size_t k = 0; k < kFoodFrameCount; ++k) {
    const std::string name = base::strcat("food-frame-", k < 9 ? "0" : "", k + 1, ".bmp");
    if (auto ok = base::writeFileAtomically(folder / base::pathFromUtf8(name), foodFrame(k)); !ok) return ok;
  }
  return {};
}

}  // namespace samples
