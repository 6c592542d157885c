// Seeds for netkeeper's fuzz targets: the sample tank, the hand-laid tank of the tests, and
// small files around the record searches' edges. Writes CORPUS/<target>/seed-N.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "netkeeper/scenario.hpp"
#include "samples/tank.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: netkeeper_seeds CORPUS\n");
    return 2;
  }
  namespace fs = std::filesystem;
  using base::Bytes;
  std::vector<Bytes> files;
  auto tank = samples::sampleTank();
  if (!tank) {
    std::fprintf(stderr, "%s\n", tank.error().message.c_str());
    return 1;
  }
  files.push_back(*tank);
  files.push_back(Bytes(tank->begin(), tank->begin() + 17000));  // cut inside the first guppy's group
  files.push_back(scenario::tank());
  Bytes small = testtank::filler(600);
  testtank::fishAt(small, 300, "Guppy");
  testtank::eggAt(small, 450, "Guppy");
  testtank::put(small, 598, {0xD0, 0x01});
  files.push_back(small);
  Bytes early = testtank::filler(120);
  testtank::zeros(early, 48, 50);
  testtank::fishAt(early, 8, "Discus");
  files.push_back(early);

  for (const char* target : {"tankfile_records_fuzz", "netkeeper_edits_fuzz"}) {
    const fs::path folder = fs::path(argv[1]) / target;
    fs::create_directories(folder);
    for (std::size_t i = 0; i < files.size(); ++i) {
      std::ofstream out(folder / ("netkeeper-seed-" + std::to_string(i)), std::ios::binary);
      if (std::string(target) == "netkeeper_edits_fuzz") out.put(static_cast<char>(0x3F + i * 64));  // the ticks
      out.write(reinterpret_cast<const char*>(files[i].data()), static_cast<std::streamsize>(files[i].size()));
    }
  }
  return 0;
}
