// Writes the seed corpus of every fuzz target into the folder given: sample files and small
// hand-made ones, so the fuzzers start from inputs that reach deep into the parsers.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fishfile/fish_assembly.hpp"
#include "fishfile/run_stream.hpp"
#include "orbisk/media.hpp"
#include "resfile/resfile.hpp"
#include "samples/bitmaps.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/sample_library.hpp"
#include "samples/samples.hpp"

namespace fs = std::filesystem;

static void save(const fs::path& path, const base::Bytes& data) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  const fs::path root = argv[1];
  auto fish = samples::sampleFish();
  auto library = samples::fishLibrary();
  if (!fish || !library) return 1;
  save(root / "fish_file_fuzz" / "sample.fsh", *fish);
  save(root / "resfile_fuzz" / "sample.fsh", *fish);
  save(root / "fish_library_fuzz" / "sample.lib", *library);

  // A small fish: one animation set of tiny frames in a hand-made resource file.
  base::Bytes set = {1, 0, 2, 0};
  for (const base::Bytes& pixels : {base::Bytes{0, 5, 0, 6, 7, 0}, base::Bytes{9, 9, 0, 0, 0, 9}}) {
    auto stream = fishfile::encodeRunStream(pixels);
    base::Bytes header(14, 0);
    header[4] = 2, header[6] = 3, header[8] = static_cast<std::uint8_t>(stream->runs);
    header[10] = static_cast<std::uint8_t>(stream->bytes.size());
    set.insert(set.end(), header.begin(), header.end());
    set.insert(set.end(), stream->bytes.begin(), stream->bytes.end());
  }
  set.resize(810, 0);
  resfile::Writer writer;
  auto first = writer.append(base::Bytes(8, 1));
  auto second = writer.append(set);
  auto small = std::move(writer).finish({0, {{resfile::ResourceType::fromCode("FsAn"), {{300, {}, first}, {301, {}, second}}}}});
  if (!small) return 1;
  save(root / "fish_file_fuzz" / "small.fsh", *small);
  save(root / "resfile_fuzz" / "small.fsh", *small);

  auto stream = fishfile::encodeRunStream(samples::framePixels(0));
  base::Bytes seed = {0x18, 0x00};
  seed.insert(seed.end(), stream->bytes.begin(), stream->bytes.end());
  save(root / "run_stream_fuzz" / "frame0", seed);
  save(root / "frame_bitmap_fuzz" / "frame0.bmp", samples::frameBitmap(0));
  save(root / "frame_bitmap_fuzz" / "icon.bmp", samples::iconBitmap());
  save(root / "run_stream_fuzz" / "tiny", base::Bytes{0, 6, 2, 0, 5, 6, 0xFC, 0xFF, 0});

  // orbisk: the first byte picks the kind (0 bitmap, 1 wave, 2 MIDI); media between filler.
  auto pack = [](std::uint8_t kind, std::initializer_list<base::Bytes> items) {
    base::Bytes out{kind};
    for (const auto& item : items) {
      auto gap = orbisk_test::filler(37, kind);
      out.insert(out.end(), gap.begin(), gap.end());
      out.insert(out.end(), item.begin(), item.end());
    }
    return out;
  };
  save(root / "orbisk_scan_fuzz" / "bitmaps", pack(0, {samples::plantIcon(), orbisk_test::rleBitmap(), orbisk_test::plainBitmap()}));
  save(root / "orbisk_scan_fuzz" / "waves", pack(1, {orbisk_test::wave(30), orbisk_test::wave(0)}));
  save(root / "orbisk_scan_fuzz" / "midis", pack(2, {orbisk_test::midi(2), orbisk_test::midi(0), orbisk_test::midi(1)}));
  return 0;
}
