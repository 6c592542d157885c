// Seeds for orbisk's sound header readers: small waves and MIDI files built from their layouts,
// each behind the byte that picks its reader (0 wave, 1 MIDI).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "orbisk/media.hpp"

namespace fs = std::filesystem;

static void save(const fs::path& path, std::uint8_t reader, const orbisk_test::Bytes& data) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.put(static_cast<char>(reader));
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbisk_preview_seeds FOLDER\n");
    return 2;
  }
  const fs::path folder = fs::path(argv[1]) / "orbisk_sound_headers_fuzz";
  save(folder / "wave-empty", 0, orbisk_test::wave(0));
  save(folder / "wave-100", 0, orbisk_test::wave(100));
  save(folder / "midi-arpeggio", 1, orbisk_test::arpeggioMidi());
  save(folder / "midi-two-tracks", 1, orbisk_test::midi(2));
  orbisk_test::Bytes tempo = orbisk_test::arpeggioMidi();
  tempo[12] = 0xE7;  // SMPTE time: 25 frames a second
  tempo[13] = 0x28;
  save(folder / "midi-smpte", 1, tempo);
  return 0;
}
