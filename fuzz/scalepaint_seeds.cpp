// Writes the seed corpus of scalepaint's fuzz targets into the folder given: the sample fish,
// a small hand-made file with a fish record and an animation set of long and short runs, and
// palette files in the forms the reader takes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "resfile/resfile.hpp"
#include "samples/samples.hpp"

namespace fs = std::filesystem;

static void save(const fs::path& path, base::ByteSpan data) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scalepaint_seeds FOLDER\n");
    return 2;
  }
  const fs::path root = argv[1];
  auto fish = samples::sampleFish();
  if (!fish) return 1;

  // One animation of two frames: a 300-pixel literal run, a full skip run, a short literal.
  base::Bytes set = {1, 0, 2, 0};
  for (int frame = 0; frame < 2; ++frame) {
    base::Bytes stream = {0x2C, 0x01};
    stream.resize(2 + 300, 5);
    for (int b : {0x00, 0xFF, 0x00, 0x02, 0x00, 7, 9}) stream.push_back(static_cast<std::uint8_t>(b));
    base::Bytes header(14, 0);
    base::putU16(&header[4], 2);
    base::putU16(&header[6], 300);
    base::putU16(&header[8], 3);
    base::putU16(&header[10], static_cast<std::uint32_t>(stream.size()));
    set.insert(set.end(), header.begin(), header.end());
    set.insert(set.end(), stream.begin(), stream.end());
  }
  base::Bytes record(464, 0);
  record[0] = 6;
  std::string name = "Discus";
  std::copy(name.begin(), name.end(), record.begin() + 1);
  resfile::Writer writer;
  auto lead = writer.append(base::Bytes(8, 1));
  auto setAt = writer.append(set);
  auto recordAt = writer.append(record);
  auto small = std::move(writer).finish(
      {0, {{resfile::ResourceType::fromCode("FsAn"), {{300, {}, lead}, {301, {}, setAt}, {302, {}, recordAt}}}}});
  if (!small) return 1;

  for (const char* target : {"scalepaint_walk_fuzz", "scalepaint_recolour_fuzz"}) {
    save(root / target / "sample.fsh", *fish);
    save(root / target / "small.fsh", *small);
  }

  std::string identity, commas, bare;
  for (int n = 0; n < 256; ++n) {
    identity += " " + std::to_string(n) + " \r\n";
    commas += std::to_string(255 - n) + ", note\n";
    bare += std::to_string(n) + "\r\n";
  }
  save(root / "scalepaint_palette_fuzz" / "identity.dat", base::asBytes(identity));
  save(root / "scalepaint_palette_fuzz" / "commas.dat", base::asBytes(commas));
  save(root / "scalepaint_palette_fuzz" / "bare.dat", base::asBytes(bare));
  save(root / "scalepaint_palette_fuzz" / "cell.txt", base::asBytes("  3.7abc"));
  return 0;
}
