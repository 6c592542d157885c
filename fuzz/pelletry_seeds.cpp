// Seeds for pelletry_food_fuzz: the sample food picture with one, two and eight sample frames,
// laid out as the target reads its input.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/bytes.hpp"
#include "samples/bitmaps.hpp"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pelletry_seeds FOLDER\n");
    return 2;
  }
  const fs::path folder = fs::path(argv[1]) / "pelletry_food_fuzz";
  fs::create_directories(folder);
  for (std::size_t n : {1u, 2u, 8u}) {
    base::Bytes seed = {static_cast<std::uint8_t>(n - 1), static_cast<std::uint8_t>(n), 42, 0};
    for (std::size_t k = 0; k < n; ++k) {
      const base::Bytes frame = samples::foodFrame(k);
      base::appendU16(seed, static_cast<std::uint32_t>(frame.size()));
      base::appendBytes(seed, frame);
    }
    base::appendBytes(seed, samples::foodPicture());
    std::ofstream(folder / ("food-" + std::to_string(n) + ".bin"), std::ios::binary)
        .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
  }
  return 0;
}
