#include "samples/bitmaps.hpp"

#include <cmath>
#include <cstdint>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
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
    if (auto ok = base::writeFileAtomically(folder / name, data); !ok) return ok;
  return {};
}

}  // namespace samples
