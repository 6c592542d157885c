// Seeds for the targets of reach.cmake, and the small structured seeds of fish_file_fuzz and
// netkeeper_edits_fuzz (a fish with one animation set, tanks of one record), so that most runs
// work on a few kilobytes. Most targets read their input through FuzzedDataProvider: texts
// from the front, each ended by a backslash and one more character, numbers from the back.
// Writes CORPUS/<target>/reach-N.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "fishfile/animation_set.hpp"
#include "fishfile/fish_assembly.hpp"
#include "fishfile/frame_record.hpp"
#include "fishfile/run_stream.hpp"
#include "netkeeper/kinds.hpp"
#include "netkeeper/scenario.hpp"
#include "orbisk/media.hpp"
#include "resfile/resfile.hpp"
#include "samples/bitmaps.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/sample_library.hpp"
#include "samples/samples.hpp"
#include "samples/wtk.hpp"

namespace fs = std::filesystem;
using base::Bytes;

namespace {

std::map<std::string, std::vector<Bytes>> seeds;

// Texts as FuzzedDataProvider reads them, then raw bytes, then the bytes read from the back.
Bytes input(std::initializer_list<std::string> texts, const Bytes& body = {}, const Bytes& back = {}) {
  Bytes out;
  for (const auto& text : texts) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back('\\');
    out.push_back('x');
  }
  out.insert(out.end(), body.begin(), body.end());
  out.insert(out.end(), back.begin(), back.end());
  return out;
}

Bytes join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes asBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A fish built from the sample library with one small animation in each of its four sets.
base::Result<Bytes> smallFish() {
  fishfile::EntryMap entries;
  for (auto& [name, bytes] : samples::libraryEntries()) entries[name] = bytes;
  for (std::size_t set = 0; set < 4; ++set) {
    std::vector<Bytes> records;
    for (std::size_t frame = 0; frame < 2; ++frame) {
      const Bytes pixels = {0, 5, 6, 0, 7, static_cast<std::uint8_t>(8 + frame), 0, 0, 9};
      auto stream = fishfile::encodeRunStream(pixels);
      if (!stream) return std::unexpected(stream.error());
      records.push_back(fishfile::makeFrameRecord(3, 3, *stream));
    }
    entries[fishfile::resourceEntryName(static_cast<int>(8 + set))] = fishfile::makeAnimationSet(records);
  }
  return fishfile::assembleFishFile(entries, 5, samples::sampleFishTexts());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: reach_seeds CORPUS\n");
    return 2;
  }
  auto library = samples::fishLibrary();
  auto fish = smallFish();
  if (!library || !fish) {
    std::fprintf(stderr, "%s\n", (!library ? library.error() : fish.error()).message.c_str());
    return 1;
  }
  seeds["fish_file_fuzz"] = {*fish};

  // Tanks of one record: a guppy with its genes after it, a discus alone, an egg alone.
  Bytes guppy = testtank::filler(2400);
  testtank::fishAt(guppy, 300, "Guppy");
  testtank::put(guppy, 300 + 1642, {0xFF, 0xFF});
  Bytes discus = testtank::filler(800);
  testtank::fishAt(discus, 200, "Discus");
  Bytes egg = testtank::filler(900);
  testtank::fishAt(egg, 100, "Kingyo");
  testtank::eggAt(egg, 600, "Kingyo");
  for (const Bytes* tank : {&guppy, &discus, &egg}) {
    for (int ticks : {0x3F, 0xFF}) seeds["netkeeper_edits_fuzz"].push_back(join({{static_cast<std::uint8_t>(ticks)}, *tank}));
    seeds["tankfile_io_fuzz"].push_back(join({*tank, {1, 0x20, 0x30, 0x01, 3, 0, 0, 0, 0, 0, 0xE0, 0x3F}}));
    seeds["netkeeper_kinds_fuzz"].push_back(input({"Guppy"}, *tank, {16}));
  }
  seeds["tankfile_io_fuzz"].push_back(scenario::tank());
  seeds["netkeeper_kinds_fuzz"].push_back(input({"\x83\x81\x83\x4A\x82\xC5\x82\xF1\x82\xC5\x82\xF1\x92\x8E"}, {}, {40}));

  seeds["gravel_build_fuzz"] = {input({"57", "90"}, join({samples::gravelSurface(), samples::gravelAspect()}), {0x40, 0x38}),
                                input({" 56.5", "-5"}, join({samples::gravelSurface(), {'B', 'M', 6, 0, 0, 0}}), {0, 0x10})};
  seeds["plant_build_fuzz"] = {input({"Fern", "Latin", "Scientific"},
                                     join({asBytes(samples::plantDescription()), samples::plantIcon(), samples::plantTop(),
                                           samples::plantFront()}),
                                     {0x40, 0x1F, 0x72, 0x1F, 0x10, 0x00, 1, 0x00, 0xC8})};
  seeds["fish_assembly_fuzz"] = {input({"Neon", "Paracheirodon", "Characidae", "Amazon", "A small blue fish."}, *library, {0x05, 0x00, 0x03}),
                                 input({"Neon", "", "", "", "x"}, Bytes(600, 0x41), {0x12, 0x34, 0x02}),
                                 input({"N", "L", "G", "H", "D"}, Bytes(300, 0x07), {0x30, 0x40, 0x50, 0x04})};

  const Bytes media = join({orbisk_test::filler(37, 0), samples::plantIcon(), orbisk_test::filler(40, 0), orbisk_test::rleBitmap(),
                            orbisk_test::filler(5, 0), orbisk_test::plainBitmap()});
  seeds["orbisk_save_fuzz"] = {input({"Brinmoor.bin"}, media, {0}),
                               input({"a.b.c"}, join({orbisk_test::wave(30), orbisk_test::filler(20, 1), orbisk_test::wave(0)}), {1}),
                               input({"\xE3\x81\x8A\xE3\x81\x95\xE3\x81\x8B\xE3\x81\xAA.mid"}, join({orbisk_test::midi(2), orbisk_test::midi(0)}), {2})};
  seeds["orbisk_bitmap_fuzz"] = {media, samples::frameBitmap(0), samples::foodFrame(1), orbisk_test::rleBitmap()};

  const std::string archiveText = "Brinmoor.REZ";
  seeds["netkeeper_archive_fuzz"] = {input({archiveText}, asBytes("archive bytes"), {2, 1, 0x0F, 0x03, 0x00, 0x90, 0x01}),
                                     input({"Brinmoor.rez"}, {1, 2, 3}, {1, 0, 0x05, 0x00, 0x00, 0xA0, 0x00, 0x01})};

  seeds["scalepaint_preview_fuzz"] = {join({*fish, {0}}), join({*fish, {1}}), join({scenario::tank(), {0}})};

  seeds["codepage_fuzz"] = {join({asBytes("A\x82\xA0\x83\x41 \xB1 \x81\x5C\x87\x90"), {0}}), join({asBytes("caf\xE9 \x80 \x81"), {1}}),
                            join({asBytes("\xEF\xBC\x8D \xE3\x81\x82\xC2\xA5\xE2\x80\x94"), {0}}), join({asBytes("\xE2\x82\xAC\xC3\xA9"), {1}})};
  seeds["pelletry_text_fuzz"] = {input({"12", "food", "Flakes"}, asBytes("First line\nsecond\r\nthird"), {0}),
                                 input({"127.5", "pellet.xy", "\xE3\x81\x88\xE3\x81\x95"}, asBytes("\xE3\x81\x82"), {0}),
                                 input({"-1", "a.bmp", "Caf\xC3\xA9"}, asBytes("\xE2\x82\xAC"), {1})};
  seeds["number_box_fuzz"] = {asBytes("  -12.5abc\x00\x00\x00\x00\x00\x00\x29\x40"), asBytes("+.5"), asBytes("99999999999999999999")};

  std::string palette;
  for (int n = 0; n < 256; ++n) palette += " " + std::to_string(255 - n) + " , note\r\n";
  Bytes table(256);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::uint8_t>(i * 3);
  seeds["palette_file_fuzz"] = {join({table, asBytes(palette)}), join({table, asBytes("3\r\nabc")})};

  // One small file of each kind inspect recognises.
  seeds["inspect_fuzz"] = {*fish, *library, guppy, egg, asBytes(palette)};
  if (auto wtk = samples::sampleWtk()) seeds["inspect_fuzz"].push_back(*wtk);

  for (const auto& [target, files] : seeds) {
    const fs::path folder = fs::path(argv[1]) / target;
    fs::create_directories(folder);
    for (std::size_t i = 0; i < files.size(); ++i) {
      std::ofstream out(folder / ("reach-" + std::to_string(i)), std::ios::binary);
      out.write(reinterpret_cast<const char*>(files[i].data()), static_cast<std::streamsize>(files[i].size()));
    }
  }
  return 0;
}
