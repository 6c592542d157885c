#pragma once
// Small media files built byte by byte from the formats' layouts, and filler bytes that hold
// no signature, for orbisk's tests and fuzz seeds.
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace orbisk_test {

using Bytes = std::vector<std::uint8_t>;

inline void le16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void le32(Bytes& out, std::uint32_t v) {
  le16(out, v);
  le16(out, v >> 16);
}
inline void be16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}
inline void be32(Bytes& out, std::uint32_t v) {
  be16(out, v >> 16);
  be16(out, v);
}
inline void text(Bytes& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

// A 2 × 2 bitmap, 24 bits per pixel, rows padded to 8 bytes: 54 + 16 = 70 bytes.
inline Bytes plainBitmap() {
  Bytes b;
  text(b, "BM");
  le32(b, 70);
  le32(b, 0);
  le32(b, 54);
  le32(b, 40);
  le32(b, 2);
  le32(b, 2);
  le16(b, 1);
  le16(b, 24);
  le32(b, 0);
  le32(b, 16);
  le32(b, 2835);
  le32(b, 2835);
  le32(b, 0);
  le32(b, 0);
  for (int row = 0; row < 2; ++row) {
    for (int v : {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}) b.push_back(static_cast<std::uint8_t>(v));
  }
  return b;
}

// A 4 × 2 bitmap, 8 bits per pixel with 2 colours, run-length compressed (compression 1):
// 54 + 8 (palette) + 10 (runs) = 72 bytes.
inline Bytes rleBitmap() {
  Bytes b;
  text(b, "BM");
  le32(b, 72);
  le32(b, 0);
  le32(b, 62);
  le32(b, 40);
  le32(b, 4);
  le32(b, 2);
  le16(b, 1);
  le16(b, 8);
  le32(b, 1);
  le32(b, 10);
  le32(b, 0);
  le32(b, 0);
  le32(b, 2);
  le32(b, 0);
  for (int v : {0, 0, 0, 0, 255, 255, 255, 0}) b.push_back(static_cast<std::uint8_t>(v));
  for (int v : {4, 1, 0, 0, 4, 0, 0, 0, 0, 1}) b.push_back(static_cast<std::uint8_t>(v));
  return b;
}

// A wave sound: "RIFF", size, "WAVE", a 16-byte "fmt " chunk (8-bit mono 8000 Hz) and a
// "data" chunk with `samples` bytes. 44 + samples bytes; the RIFF size field is 36 + samples.
inline Bytes wave(std::uint32_t samples) {
  Bytes b;
  text(b, "RIFF");
  le32(b, 36 + samples);
  text(b, "WAVEfmt ");
  le32(b, 16);
  le16(b, 1);
  le16(b, 1);
  le32(b, 8000);
  le32(b, 8000);
  le16(b, 1);
  le16(b, 8);
  text(b, "data");
  le32(b, samples);
  for (std::uint32_t i = 0; i < samples; ++i) b.push_back(static_cast<std::uint8_t>(128 + (i % 16)));
  return b;
}

// A MIDI file of format 1 with the given tracks, each a note on/off and an end of track
// (12 bytes): 14 + tracks × 20 bytes.
inline Bytes midi(unsigned tracks) {
  Bytes b;
  text(b, "MThd");
  be32(b, 6);
  be16(b, 1);
  be16(b, tracks);
  be16(b, 96);
  for (unsigned t = 0; t < tracks; ++t) {
    text(b, "MTrk");
    be32(b, 12);
    for (int v : {0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}) b.push_back(static_cast<std::uint8_t>(v));
  }
  return b;
}

// Random bytes that contain none of the first signature bytes "B", "R" and "M".
inline Bytes filler(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes b;
  b.reserve(count);
  while (b.size() < count) {
    auto v = static_cast<std::uint8_t>(random());
    if (v != 'B' && v != 'R' && v != 'M') b.push_back(static_cast<std::uint8_t>(v));
  }
  return b;
}

inline void append(Bytes& out, const Bytes& part) { out.insert(out.end(), part.begin(), part.end()); }

// A variable-length quantity as MIDI files store delta times and lengths.
inline void vlq(Bytes& out, std::uint32_t v) {
  Bytes groups{static_cast<std::uint8_t>(v & 0x7F)};
  while (v >>= 7) groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
  append(out, groups);
}

inline Bytes midiTrack(const Bytes& events) {
  Bytes b;
  text(b, "MTrk");
  be32(b, static_cast<std::uint32_t>(events.size()));
  append(b, events);
  return b;
}

// A MIDI file of format 0, 96 ticks a quarter note at the default 120 beats a minute: a piano
// plays C, E, G and high C, a quarter note each, so it plays for exactly 2 seconds. The notes
// off use running status (velocity 0 notes on). 14 + 8 + 35 = 57 bytes.
inline Bytes arpeggioMidi() {
  Bytes events;
  for (int v : {0x00, 0xC0, 0x00}) events.push_back(static_cast<std::uint8_t>(v));
  for (int note : {60, 64, 67, 72}) {
    for (int v : {0x00, 0x90, note, 100, 0x60, note, 0}) events.push_back(static_cast<std::uint8_t>(v));
  }
  for (int v : {0x00, 0xFF, 0x2F, 0x00}) events.push_back(static_cast<std::uint8_t>(v));
  Bytes b;
  text(b, "MThd");
  be32(b, 6);
  be16(b, 0);
  be16(b, 1);
  be16(b, 96);
  append(b, midiTrack(events));
  return b;
}

}  // namespace orbisk_test
