// Seeds for netkeeper_water_fuzz: small tanks with a water block, the first byte choosing the edits.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/bytes.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: netkeeper_water_seeds FOLDER\n");
    return 2;
  }
  const auto folder = std::filesystem::path(argv[1]) / "netkeeper_water_fuzz";
  std::filesystem::create_directories(folder);
  const std::uint32_t lake[15] = {60000, 26500, 7000, 4000, 474000, 0, 0, 100, 0, 2520000, 600000, 0, 0, 0, 0};
  const std::uint32_t dry[15] = {0, 15000, 7000, 4000, 474000, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  int n = 0;
  for (const auto* values : {lake, dry}) {
    for (int choice : {0x00, 0x41, 0xFF}) {
      base::Bytes seed(1 + 400, 0x20);
      seed[0] = static_cast<std::uint8_t>(choice);
      base::putU32(seed.data() + 1 + 40, 60);
      for (int k = 0; k < 15; ++k) base::putU32(seed.data() + 1 + 44 + 4 * k, values[k]);
      std::ofstream(folder / ("tank" + std::to_string(n++)), std::ios::binary)
          .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
    }
  }
  return 0;
}
