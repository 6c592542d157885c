// Seeds for netkeeper2_fuzz: the sample extended-edition tank and a small one of each record form.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "samples/wtk.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: netkeeper2_seeds FOLDER\n");
    return 2;
  }
  const auto folder = std::filesystem::path(argv[1]) / "netkeeper2_fuzz";
  std::filesystem::create_directories(folder);
  auto save = [&](const char* name, const base::Bytes& data) {
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  };
  auto sample = samples::sampleWtk();
  if (!sample) return 1;
  save("sample.wtk", *sample);
  using samples::WtkMarker;
  using samples::WtkSex;
  save("forms.wtk", samples::makeWtk({{WtkMarker::First, "RURI", "x", "a", WtkSex::Female},
                                      {WtkMarker::FormA, "PANDA", "x", "b", WtkSex::Egg},
                                      {WtkMarker::FormB, "ROLY", "x", "c", WtkSex::Male}}));
  return 0;
}
