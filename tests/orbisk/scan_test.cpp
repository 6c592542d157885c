// The scan: names, list lines, and exact findings on files packed with media, held to a
// literal window-by-window search written here from the algorithm's description.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>

#include "orbisk/media.hpp"
#include "orbisk/scan.hpp"

namespace {

using orbisk::Kind;
using orbisk::Resource;
using orbisk_test::Bytes;
using orbisk_test::append;
using orbisk_test::filler;

// --- The reference: 256-byte windows, every position where the whole signature fits in the
// window and the file, a partial signature at a window's end carried over, candidate tests
// reading the file wherever the bytes lie (past the end rejects), and the restart rules.
struct Reference {
  const Bytes& data;
  Kind kind;

  std::optional<std::uint64_t> u32le(std::uint64_t at) const {
    if (at + 4 > data.size()) return std::nullopt;
    return std::uint64_t{data[at]} | std::uint64_t{data[at + 1]} << 8 | std::uint64_t{data[at + 2]} << 16 |
           std::uint64_t{data[at + 3]} << 24;
  }
  std::optional<std::uint64_t> u32be(std::uint64_t at) const {
    if (at + 4 > data.size()) return std::nullopt;
    return std::uint64_t{data[at]} << 24 | std::uint64_t{data[at + 1]} << 16 | std::uint64_t{data[at + 2]} << 8 |
           std::uint64_t{data[at + 3]};
  }
  bool has(std::uint64_t at, std::string_view s) const {
    return at + s.size() <= data.size() && std::memcmp(data.data() + at, s.data(), s.size()) == 0;
  }
  std::string_view signature() const { return kind == Kind::Bitmap ? "BM" : kind == Kind::Wave ? "RIFF" : "MThd"; }

  bool candidateTest(std::uint64_t at) const {
    if (kind == Kind::Wave) return has(at + 8, "WAVE");
    if (kind == Kind::Midi) {
      auto length = u32be(at + 4);
      if (!length || *length != 6 || at + 10 > data.size()) return false;
      return (data[at + 8] << 8 | data[at + 9]) <= 2;
    }
    return true;
  }

  std::int64_t findNext(std::uint64_t start) const {
    auto len = static_cast<std::int64_t>(data.size());
    auto sig = signature();
    if (static_cast<std::int64_t>(start) > len - 2) return -1;
    auto pos = static_cast<std::int64_t>(start);
    while (true) {
      std::int64_t n = std::min<std::int64_t>(256, len - pos);
      Bytes window(data.begin() + pos, data.begin() + pos + n);
      for (std::int64_t i = 0; i + static_cast<std::int64_t>(sig.size()) <= 256; ++i) {
        if (i + static_cast<std::int64_t>(sig.size()) > n) break;
        if (std::memcmp(window.data() + i, sig.data(), sig.size()) == 0 && candidateTest(static_cast<std::uint64_t>(pos + i)))
          return pos + i;
      }
      if (pos >= len - 256) return -1;
      std::int64_t next = pos + 256;
      for (std::size_t k = sig.size() - 1; k >= 1; --k)
        if (std::memcmp(window.data() + 256 - k, sig.data(), k) == 0) {
          next = pos + 256 - static_cast<std::int64_t>(k);
          break;
        }
      pos = next;
    }
  }

  // The accepted size, 0 for a rejected candidate.
  std::uint64_t accept(std::uint64_t at) const {
    if (kind == Kind::Wave) return *u32le(at + 4) + 8;
    if (kind == Kind::Bitmap) {
      if (at + 54 > data.size()) return 0;
      auto size = *u32le(at + 2);
      bool ok = size < 16777216 && size >= 54 && *u32le(at + 10) < 4096 && *u32le(at + 14) < 100 &&
                (data[at + 26] | data[at + 27] << 8) == 1 && *u32le(at + 30) <= 2;
      return ok ? size : 0;
    }
    if (at + 14 > data.size()) return 0;
    unsigned tracks = static_cast<unsigned>(data[at + 10] << 8 | data[at + 11]);
    std::uint64_t track = at + 14;
    for (unsigned t = 0; t < tracks; ++t) {
      if (!has(track, "MTrk")) return 0;
      auto length = u32be(track + 4);
      if (!length) return 0;
      track += 8 + *length;
    }
    return track - at;
  }

  std::vector<std::pair<std::uint64_t, std::uint64_t>> run() const {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> found;
    std::uint64_t from = 0;
    while (true) {
      auto at = findNext(from);
      if (at < 0) break;
      auto start = static_cast<std::uint64_t>(at);
      auto size = accept(start);
      if (size == 0) {
        from = start + (kind == Kind::Bitmap ? 2 : 12);
        continue;
      }
      found.emplace_back(start, size);
      from = start + size;
    }
    return found;
  }
};

std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges(const std::vector<Resource>& resources) {
  std::vector<std::pair<std::uint64_t, std::uint64_t>> out;
  for (const auto& r : resources) out.emplace_back(r.start, r.size);
  return out;
}

std::vector<Resource> scan(const Bytes& data, Kind kind, std::string_view name = "sample.dat") {
  auto result = orbisk::scanBytes(data, name, kind);
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(ranges(result.resources), (Reference{data, kind}.run())) << "the reference search disagrees";
  return result.resources;
}

using Ranges = std::vector<std::pair<std::uint64_t, std::uint64_t>>;

TEST(OrbiskNames, FollowTheFirstDot) {
  EXPECT_EQ(orbisk::resourceName("sample.dat", 2, ".BMP"), "samp0002.BMP");
  EXPECT_EQ(orbisk::resourceName("ab.c", 0, ".RLE"), "ab0000.RLE");
  EXPECT_EQ(orbisk::resourceName("abc.tar.gz", 7, ".WAV"), "abc0007.WAV");
  EXPECT_EQ(orbisk::resourceName("abcd.x", 1, ".MID"), "abcd0001.MID");  // "." 5th: first 4 characters
  EXPECT_EQ(orbisk::resourceName("a.b", 0, ".BMP"), "a0000.BMP");
  EXPECT_EQ(orbisk::resourceName("noextension", 3, ".WAV"), "noex0003.WAV");
  EXPECT_EQ(orbisk::resourceName("ab", 0, ".WAV"), "ab0000.WAV");
  EXPECT_EQ(orbisk::resourceName(".hidden", 4, ".BMP"), "0004.BMP");
  EXPECT_EQ(orbisk::resourceName("sample.dat", 12345, ".BMP"), "samp12345.BM");  // cut to 12
  EXPECT_EQ(orbisk::resourceName("魚魚魚魚魚.dat", 0, ".BMP"), "魚魚魚魚0000.BMP");  // characters, not bytes
}

TEST(OrbiskListLine, ColumnsAsTheListShowsThem) {
  EXPECT_EQ(orbisk::listLine({0x1A2B, 8050, "samp0000.BMP", Kind::Bitmap}), "samp0000.BMP\t00001A2B\t0000399C\t     8,050");
  EXPECT_EQ(orbisk::listLine({0, 14, "x0000.MID", Kind::Midi}), "x0000.MID\t00000000\t0000000D\t        14");
  EXPECT_EQ(orbisk::listLine({0xFFFFFF00, 1000000, "a0000.WAV", Kind::Wave}),
            "a0000.WAV\tFFFFFF00\t1000F413F\t 1,000,000");
  // Past 4 GiB the offsets take the digits they need; a size wider than 10 is shown whole.
  EXPECT_EQ(orbisk::listLine({0x123456789, 0x100000000, "a0001.WAV", Kind::Wave}),
            "a0001.WAV\t123456789\t223456788\t4,294,967,296");
}

TEST(OrbiskBitmaps, PlainAndRleBetweenRandomBytes) {
  Bytes data = filler(100, 1);
  append(data, orbisk_test::plainBitmap());  // 100..169
  append(data, filler(300, 2));              // 170..469
  append(data, orbisk_test::rleBitmap());    // 470..541
  append(data, filler(7, 3));
  auto found = scan(data, Kind::Bitmap);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], (Resource{100, 70, "samp0000.BMP", Kind::Bitmap}));
  EXPECT_EQ(found[1], (Resource{470, 72, "samp0001.RLE", Kind::Bitmap}));
}

TEST(OrbiskBitmaps, RejectedHeadersAndTheRestartTwoBytesOn) {
  // "BM" followed by a bitmap: the first candidate reads the bitmap's fields two bytes off
  // (pixel-data offset 0x360000) and is rejected; the search goes on two bytes later.
  Bytes data = filler(10, 4);
  data.push_back('B');
  data.push_back('M');
  append(data, orbisk_test::plainBitmap());  // at 12
  // A header that passes every test but states a size of 0, then of 53: rejected, not a stall.
  for (std::uint32_t size : {0u, 53u}) {
    Bytes broken = orbisk_test::plainBitmap();
    broken[2] = static_cast<std::uint8_t>(size);
    append(data, broken);  // at 82, then 152
  }
  Bytes planes = orbisk_test::plainBitmap();
  planes[26] = 2;                      // two planes
  append(data, planes);                // at 222
  Bytes compression = orbisk_test::rleBitmap();
  compression[30] = 3;                 // compression 3
  append(data, compression);           // at 292
  append(data, orbisk_test::rleBitmap());  // at 364
  // A valid header cut by the end of the file: its test needs bytes past the end.
  Bytes cut = orbisk_test::plainBitmap();
  cut.resize(40);
  append(data, cut);
  auto found = scan(data, Kind::Bitmap);
  EXPECT_EQ(ranges(found), (Ranges{{12, 70}, {364, 72}}));
}

TEST(OrbiskBitmaps, OverstatedSizeSkipsWhatItCovers) {
  Bytes data = orbisk_test::plainBitmap();
  data[2] = 200;  // says 200 bytes: the next bitmap, at 70, lies inside it and is not listed
  append(data, orbisk_test::plainBitmap());
  append(data, filler(100, 5));
  append(data, orbisk_test::plainBitmap());  // at 240
  auto found = scan(data, Kind::Bitmap, "noext");
  EXPECT_EQ(ranges(found), (Ranges{{0, 200}, {240, 70}}));
  EXPECT_EQ(found[1].name, "noex0001.BMP");
}

TEST(OrbiskWaves, SizesFromTheHeaderEvenPastTheEnd) {
  Bytes data = filler(33, 6);
  append(data, orbisk_test::wave(100));  // 33, 144 bytes
  Bytes avi = orbisk_test::wave(4);
  std::memcpy(avi.data() + 8, "AVI ", 4);  // a RIFF that is not a wave
  append(data, avi);
  append(data, orbisk_test::wave(0));    // 225, 44 bytes
  Bytes overstated = orbisk_test::wave(20);
  overstated[4] = 0xF8;  // 0xFFFFFFF8 + 8 is 4 GiB, not 0
  overstated[5] = overstated[6] = overstated[7] = 0xFF;
  append(data, overstated);              // 269
  append(data, orbisk_test::wave(8));    // inside the overstated one: not listed
  auto found = scan(data, Kind::Wave, ".x");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0], (Resource{33, 144, "0000.WAV", Kind::Wave}));
  EXPECT_EQ(found[1], (Resource{225, 44, "0001.WAV", Kind::Wave}));
  EXPECT_EQ(found[2], (Resource{269, 0x100000000ull, "0002.WAV", Kind::Wave}));
  EXPECT_EQ(found[2].end(), 269 + 0xFFFFFFFFull);
}

TEST(OrbiskWaves, CandidateTestPastTheEndRejects) {
  Bytes data = filler(20, 7);
  append(data, {'R', 'I', 'F', 'F', 10, 0, 0, 0, 'W', 'A', 'V'});
  EXPECT_TRUE(scan(data, Kind::Wave).empty());
}

TEST(OrbiskMidi, TracksWalkedAndBrokenOnesSkipped) {
  Bytes data = filler(5, 8);
  append(data, orbisk_test::midi(2));  // 5, 54 bytes
  Bytes broken = orbisk_test::midi(3);
  broken[14 + 20 + 3] = 'X';           // second track lacks "MTrk"
  append(data, broken);                // 59: rejected, search goes on from 71
  Bytes empty = orbisk_test::midi(0);  // no tracks: 14 bytes
  append(data, empty);                 // 133
  Bytes format3 = orbisk_test::midi(1);
  format3[9] = 3;                      // not a candidate at all
  append(data, format3);               // 147
  Bytes length7 = orbisk_test::midi(1);
  length7[7] = 7;
  append(data, length7);               // 181
  append(data, orbisk_test::midi(1));  // 215, 34 bytes
  Bytes cut = orbisk_test::midi(2);
  cut.resize(14 + 20 + 4);             // the second track's header runs past the end
  append(data, cut);
  auto found = scan(data, Kind::Midi, "song.mid");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0], (Resource{5, 54, "song0000.MID", Kind::Midi}));
  EXPECT_EQ(found[1], (Resource{133, 14, "song0001.MID", Kind::Midi}));
  EXPECT_EQ(found[2], (Resource{215, 34, "song0002.MID", Kind::Midi}));
}

TEST(OrbiskMidi, RestartTwelveBytesOnAfterABrokenHeader) {
  // A header promising one track, followed at once by a whole MIDI file: the header's track
  // walk meets "MThd" instead of "MTrk" and rejects it; the search resumes at 12 and finds 14.
  Bytes data = orbisk_test::midi(1);
  data.resize(14);
  append(data, orbisk_test::midi(1));  // 14
  auto found = scan(data, Kind::Midi);
  EXPECT_EQ(ranges(found), (Ranges{{14, 34}}));
}

TEST(OrbiskSplit, SignaturesAcrossWindowBoundaries) {
  // Each kind with its signature starting 1, 2 and 3 bytes before a 256-byte boundary, both
  // counted from the file's start and from the restart after an earlier finding.
  for (std::size_t before : {1u, 2u, 3u}) {
    Bytes bitmaps = filler(256 - before, 9);
    append(bitmaps, orbisk_test::plainBitmap());
    append(bitmaps, filler(256 - before, 10));
    append(bitmaps, orbisk_test::rleBitmap());
    EXPECT_EQ(ranges(scan(bitmaps, Kind::Bitmap)), (Ranges{{256 - before, 70}, {256 - before + 70 + 256 - before, 72}}));

    Bytes waves = filler(256 - before, 11);
    append(waves, orbisk_test::wave(3));
    EXPECT_EQ(ranges(scan(waves, Kind::Wave)), (Ranges{{256 - before, 47}}));

    Bytes midis = filler(512 - before, 12);
    append(midis, orbisk_test::midi(1));
    EXPECT_EQ(ranges(scan(midis, Kind::Midi)), (Ranges{{512 - before, 34}}));
  }
}

TEST(OrbiskSmall, FilesUnderOneWindow) {
  EXPECT_TRUE(orbisk::scanBytes({}, "a", Kind::Bitmap).resources.empty());
  EXPECT_TRUE(scan(Bytes{'B'}, Kind::Bitmap).empty());
  EXPECT_TRUE(scan(Bytes{'B', 'M'}, Kind::Bitmap).empty());
  EXPECT_TRUE(scan(Bytes{'R', 'I', 'F'}, Kind::Wave).empty());
  Bytes data = filler(3, 13);
  append(data, orbisk_test::midi(0));
  append(data, filler(50, 14));
  EXPECT_EQ(ranges(scan(data, Kind::Midi)), (Ranges{{3, 14}}));
  EXPECT_EQ(ranges(scan(orbisk_test::plainBitmap(), Kind::Bitmap)), (Ranges{{0, 70}}));
}

TEST(OrbiskStop, KeepsWhatWasFound) {
  Bytes data;
  for (int i = 0; i < 5; ++i) append(data, orbisk_test::wave(10));
  int asked = 0;
  ui::ProgressCallbacks control;
  control.stop = [&] { return ++asked >= 2; };
  auto result = orbisk::scanBytes(data, "s.x", Kind::Wave, control);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.resources.size(), 2u);
}

// Candidates everywhere ("BMBM…", each rejected): STOP and the progress still come through.
TEST(OrbiskStop, HonouredAmongManyCandidates) {
  Bytes data(20u << 20);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = i % 2 == 0 ? 'B' : 'M';
  int reports = 0;
  ui::ProgressCallbacks control;
  control.report = [&](std::uint64_t done, std::uint64_t total) {
    EXPECT_EQ(total, data.size());
    EXPECT_LE(done, total);
    ++reports;
  };
  control.stop = [&] { return reports >= 2; };
  auto result = orbisk::scanBytes(data, "s.x", Kind::Bitmap, control);
  EXPECT_TRUE(result.stopped);
  EXPECT_TRUE(result.resources.empty());
}

// Random files: bytes from a small alphabet rich in signature pieces, with media planted at
// random places (overlapping each other at times); the scan must equal the reference.
TEST(OrbiskRandom, FastSearchEqualsTheWindowSearch) {
  std::mt19937 random(20261207);
  const std::string alphabet = std::string("BMRIFWAVEThdrk") + std::string(4, '\0') + "\x06\x01\x02\x36";
  for (int round = 0; round < 400; ++round) {
    std::size_t size = random() % (round < 100 ? 300 : 5000);
    Bytes data(size);
    for (auto& b : data) b = static_cast<std::uint8_t>(alphabet[random() % alphabet.size()]);
    int planted = static_cast<int>(random() % 6);
    for (int k = 0; k < planted && size > 0; ++k) {
      Bytes item;
      switch (random() % 5) {
        case 0: item = orbisk_test::plainBitmap(); break;
        case 1: item = orbisk_test::rleBitmap(); break;
        case 2: item = orbisk_test::wave(static_cast<std::uint32_t>(random() % 40)); break;
        case 3: item = orbisk_test::midi(static_cast<unsigned>(random() % 3)); break;
        default: item = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 96, 'M', 'T', 'r', 'k'}; break;
      }
      std::size_t at = random() % size;
      for (std::size_t i = 0; i < item.size() && at + i < size; ++i) data[at + i] = item[i];
    }
    for (Kind kind : {Kind::Bitmap, Kind::Wave, Kind::Midi}) {
      auto fast = orbisk::scanBytes(data, "r.bin", kind);
      ASSERT_EQ(ranges(fast.resources), (Reference{data, kind}.run())) << "round " << round << " kind "
                                                                        << orbisk::kindWord(kind);
    }
  }
}

// Large files: the vectorised search crosses many 64-byte blocks and 8 MiB chunks.
TEST(OrbiskRandom, LongFileWithMediaEverywhere) {
  Bytes data = filler(20u << 20, 15);
  std::vector<std::uint64_t> starts;
  for (std::uint64_t at = 1000; at + 100 < data.size(); at += 1048573) {
    auto item = orbisk_test::plainBitmap();
    std::copy(item.begin(), item.end(), data.begin() + static_cast<std::ptrdiff_t>(at));
    starts.push_back(at);
  }
  auto found = orbisk::scanBytes(data, "big", Kind::Bitmap);
  ASSERT_EQ(found.resources.size(), starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) EXPECT_EQ(found.resources[i].start, starts[i]);
}

}  // namespace
