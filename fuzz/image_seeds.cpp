// Seeds for the bitmap decoder: one small bitmap of every layout it reads (1, 4, 8, 16, 24 and
// 32 bits; run-length coded at 4 and 8; bit fields; top-down; an odd width).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/bytes.hpp"

namespace fs = std::filesystem;
using base::Bytes;

static Bytes bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t compression,
                    std::uint32_t colours, const Bytes& extra, const Bytes& pixels) {
  Bytes out = {'B', 'M'};
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(extra.size());
  base::appendU32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  base::appendU32(out, 0);
  base::appendU32(out, offset);
  for (std::uint32_t v : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) base::appendU32(out, v);
  base::appendU16(out, 1);
  base::appendU16(out, bits);
  base::appendU32(out, compression);
  base::appendU32(out, static_cast<std::uint32_t>(pixels.size()));
  for (std::uint32_t v : {0u, 0u, colours, 0u}) base::appendU32(out, v);
  base::appendBytes(out, extra);
  base::appendBytes(out, pixels);
  return out;
}

static void save(const fs::path& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: image_seeds FOLDER\n");
    return 2;
  }
  const fs::path folder = fs::path(argv[1]) / "bmp_decode_fuzz";
  fs::create_directories(folder);
  Bytes palette;
  for (std::uint32_t i = 0; i < 16; ++i) base::appendU32(palette, i * 0x111111u);
  const Bytes masks565 = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
  const Bytes masksArgb = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
  save(folder / "1-bit", bitmap(9, 2, 1, 0, 2, Bytes(palette.begin(), palette.begin() + 8), {0xA5, 0x80, 0, 0, 0x5A, 0, 0, 0}));
  save(folder / "4-bit", bitmap(3, 2, 4, 0, 16, palette, {0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0}));
  save(folder / "8-bit-top-down", bitmap(3, -2, 8, 0, 16, palette, {1, 2, 3, 0, 4, 5, 6, 0}));
  save(folder / "rle8", bitmap(5, 3, 8, 1, 16, palette, {3, 1, 0, 2, 1, 1, 0, 0, 0, 3, 4, 5, 6, 0, 5, 7, 0, 1}));
  save(folder / "rle4", bitmap(5, 3, 4, 2, 16, palette, {5, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 2, 2, 1, 1, 0x89, 0, 1}));
  save(folder / "16-bit", bitmap(3, 1, 16, 0, 0, {}, {0xFF, 0x7F, 0x1F, 0, 0xE0, 0x03, 0, 0}));
  save(folder / "16-bit-565", bitmap(2, 1, 16, 3, 0, masks565, {0xFF, 0xFF, 0x1F, 0xF8}));
  save(folder / "24-bit", bitmap(2, 2, 24, 0, 0, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}));
  save(folder / "32-bit-fields", bitmap(2, 1, 32, 3, 0, masksArgb, {1, 2, 3, 4, 5, 6, 7, 8}));
  return 0;
}
