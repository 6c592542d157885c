#include "orbisk/scan.hpp"

#include <bit>
#include <cerrno>
#include <cstring>

// Every x86-64 processor has SSE2; the compilers name it differently.
#if defined(__SSE2__) || defined(_M_X64)
#define ORBISK_SSE2 1
#include <emmintrin.h>
#endif

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"

namespace orbisk {
namespace {

constexpr std::uint64_t kReportEvery = 8u << 20;  // progress and STOP every 8 MiB searched

// True when `count` bytes from `at` lie inside the data.
bool fits(base::ByteSpan data, std::uint64_t at, std::uint64_t count) {
  return at <= data.size() && count <= data.size() - at;
}

// The first p in [from, limit) with data[p] == a and data[p + 1] == b, or limit. The caller
// keeps limit + 1 <= data.size().
std::size_t findPair(const std::uint8_t* data, std::size_t from, std::size_t limit, std::uint8_t a, std::uint8_t b) {
  std::size_t p = from;
#if defined(ORBISK_SSE2)
  const __m128i va = _mm_set1_epi8(static_cast<char>(a));
  const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
  // 64 positions per step; the loads reach data[p + 64], which is below limit + 1.
  while (p + 64 <= limit) {
    auto at = [&](std::size_t k) {
      __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + p + k));
      __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + p + k + 1));
      return _mm_and_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(y, vb));
    };
    __m128i m0 = at(0), m1 = at(16), m2 = at(32), m3 = at(48);
    __m128i any = _mm_or_si128(_mm_or_si128(m0, m1), _mm_or_si128(m2, m3));
    if (_mm_movemask_epi8(any) != 0) {
      std::uint64_t mask = static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(m0))) |
                           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(m1))) << 16) |
                           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(m2))) << 32) |
                           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(m3))) << 48);
      return p + static_cast<std::size_t>(std::countr_zero(mask));
    }
    p += 64;
  }
#endif
  while (p < limit) {
    const void* hit = std::memchr(data + p, a, limit - p);
    if (hit == nullptr) return limit;
    p = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - data);
    if (data[p + 1] == b) return p;
    ++p;
  }
  return limit;
}

struct Signature {
  std::uint8_t bytes[4];
  std::size_t length;
};

Signature signatureOf(Kind kind) {
  switch (kind) {
    case Kind::Bitmap: return {{'B', 'M', 0, 0}, 2};
    case Kind::Wave: return {{'R', 'I', 'F', 'F'}, 4};
    case Kind::Midi: return {{'M', 'T', 'h', 'd'}, 4};
  }
  return {{'B', 'M', 0, 0}, 2};
}

class Scanner {
 public:
  Scanner(base::ByteSpan data, std::string_view fileName, Kind kind, ui::Progress& progress)
      : data_(data), fileName_(fileName), kind_(kind), progress_(progress), sig_(signatureOf(kind)) {}

  ScanResult run() {
    ScanResult result;
    result.fileSize = data_.size();
    std::uint64_t from = 0;
    while (true) {
      auto found = next(from);
      if (found == kStopped) {
        result.stopped = true;
        break;
      }
      if (found == kNone) break;
      std::uint64_t at = found;
      std::uint64_t size = 0;
      std::string_view extension;
      switch (kind_) {
        case Kind::Bitmap:
          size = bitmapSize(data_, at);
          extension = bitmapCompressed(data_, at) ? ".RLE" : ".BMP";
          break;
        case Kind::Wave:
          size = waveSize(data_, at);
          extension = ".WAV";
          break;
        case Kind::Midi:
          size = midiSize(data_, at);
          extension = ".MID";
          break;
      }
      if (size == 0) {
        from = at + (kind_ == Kind::Bitmap ? 2 : 12);
        continue;
      }
      result.resources.push_back(
          Resource{at, size, resourceName(fileName_, result.resources.size(), extension), kind_});
      from = at + size;
      progress_.progress(std::min<std::uint64_t>(from, data_.size()), data_.size());
      if (progress_.stopRequested()) {
        result.stopped = true;
        break;
      }
    }
    progress_.progress(0, data_.size());
    return result;
  }

 private:
  static constexpr std::uint64_t kNone = ~std::uint64_t{0};
  static constexpr std::uint64_t kStopped = ~std::uint64_t{0} - 1;

  bool candidate(std::uint64_t at) const {
    switch (kind_) {
      case Kind::Bitmap: return true;
      case Kind::Wave: return waveCandidate(data_, at);
      case Kind::Midi: return midiCandidate(data_, at);
    }
    return false;
  }

  // The next accepted signature at or after `from`: every position whose whole signature lies
  // in the file is tried in order, as the window-by-window search does.
  std::uint64_t next(std::uint64_t from) {
    const std::size_t size = data_.size();
    if (size < 2 || from > size - 2) return kNone;
    if (size < sig_.length) return kNone;
    const std::size_t limit = size - sig_.length + 1;  // positions where the signature fits
    const std::uint8_t* bytes = data_.data();
    std::size_t p = static_cast<std::size_t>(from);
    while (p < limit) {
      // Progress and STOP every kReportEvery bytes searched, however many candidates there are.
      if (p >= nextReport_) {
        progress_.progress(p, size);
        if (progress_.stopRequested()) return kStopped;
        nextReport_ = p + kReportEvery;
      }
      std::size_t chunkEnd = std::min<std::size_t>(limit, nextReport_);
      std::size_t hit = findPair(bytes, p, chunkEnd, sig_.bytes[0], sig_.bytes[1]);
      if (hit < chunkEnd) {
        if ((sig_.length == 2 || std::memcmp(bytes + hit + 2, sig_.bytes + 2, 2) == 0) && candidate(hit)) return hit;
        p = hit + 1;
        continue;
      }
      p = chunkEnd;
    }
    return kNone;
  }

  base::ByteSpan data_;
  std::string_view fileName_;
  Kind kind_;
  ui::Progress& progress_;
  Signature sig_;
  std::uint64_t nextReport_ = kReportEvery;
};

}  // namespace

std::string_view kindName(Kind kind) {
  switch (kind) {
    case Kind::Bitmap: return "BITMAP";
    case Kind::Wave: return "WAVE";
    case Kind::Midi: return "MIDI";
  }
  return "BITMAP";
}

std::string_view kindWord(Kind kind) {
  switch (kind) {
    case Kind::Bitmap: return "bitmap";
    case Kind::Wave: return "wave";
    case Kind::Midi: return "midi";
  }
  return "bitmap";
}

// Counts and cuts in characters, so a UTF-8 name is never cut inside a character.
std::string resourceName(std::string_view scannedFileName, std::size_t sequence, std::string_view extension) {
  auto dot = scannedFileName.find('.');
  // 1-based character position of the first "."
  const std::size_t d = dot == std::string_view::npos ? 0 : base::utf8Length(scannedFileName.substr(0, dot + 1));
  std::string_view stem;
  if (d == 1)
    stem = {};
  else if (d >= 2 && d <= 4)
    stem = base::utf8Prefix(scannedFileName, d - 1);
  else
    stem = base::utf8Prefix(scannedFileName, 4);
  std::string number = std::to_string(sequence);
  if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
  std::string name = base::strcat(stem, number, extension);
  return std::string(base::utf8Prefix(name, 12));
}

std::string listLine(const Resource& resource) {
  auto hex = [](std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
      out.insert(out.begin(), kDigits[value & 15]);
      value >>= 4;
    } while (value != 0);
    if (out.size() < 8) out.insert(0, 8 - out.size(), '0');
    return out;
  };
  std::string size = base::withThousands(resource.size);
  if (size.size() < 10) size.insert(0, 10 - size.size(), ' ');
  return base::strcat(resource.name, '\t', hex(resource.start), '\t', hex(resource.end()), '\t', size);
}

std::uint64_t bitmapSize(base::ByteSpan data, std::uint64_t at) {
  if (!fits(data, at, 54)) return 0;
  // Fields of the 54 bytes just checked: the reads cannot fail, and a failure would refuse.
  auto u16 = [&](std::size_t k) { return base::readU16(data, at + k).value_or(0); };
  auto u32 = [&](std::size_t k) { return base::readU32(data, at + k).value_or(0xFFFFFFFF); };
  if (u16(0) != ('B' | 'M' << 8)) return 0;
  std::uint32_t size = u32(2);
  if (size >= 16777216 || size < 54) return 0;  // below 54 cannot hold its own headers
  if (u32(10) >= 4096) return 0;
  if (u32(14) >= 100) return 0;
  if (u16(26) != 1) return 0;
  if (u32(30) > 2) return 0;
  return size;
}

bool bitmapCompressed(base::ByteSpan data, std::uint64_t at) {
  return base::readU32(data, at + 30).value_or(0) != 0;
}

bool waveCandidate(base::ByteSpan data, std::uint64_t at) {
  return fits(data, at, 12) && std::memcmp(data.data() + at, "RIFF", 4) == 0 &&
         std::memcmp(data.data() + at + 8, "WAVE", 4) == 0;
}

std::uint64_t waveSize(base::ByteSpan data, std::uint64_t at) {
  auto size = base::readU32(data, at + 4);
  return size ? std::uint64_t{*size} + 8 : 0;
}

bool midiCandidate(base::ByteSpan data, std::uint64_t at) {
  // "MThd", a header of 6 bytes and a format of 0-2.
  if (!fits(data, at, 10) || std::memcmp(data.data() + at, "MThd", 4) != 0) return false;
  const auto headerLength = base::readU32Be(data, at + 4);
  const auto format = base::readU16Be(data, at + 8);
  return headerLength && *headerLength == 6 && format && *format <= 2;
}

std::uint64_t midiSize(base::ByteSpan data, std::uint64_t at) {
  if (!midiCandidate(data, at) || !fits(data, at, 14)) return 0;
  const auto tracks = base::readU16Be(data, at + 10);
  if (!tracks) return 0;
  std::uint64_t track = at + 14;
  for (unsigned i = 0; i < *tracks; ++i) {
    const auto length = base::readU32Be(data, track + 4);  // also proves the chunk's name is there
    if (!length || std::memcmp(data.data() + track, "MTrk", 4) != 0) return 0;
    track += 8 + std::uint64_t{*length};
  }
  return track - at;
}

ScanResult scanBytes(base::ByteSpan data, std::string_view fileName, Kind kind, ui::Progress& progress) {
  return Scanner(data, fileName, kind, progress).run();
}

base::Result<ScanResult> scanFile(const std::filesystem::path& file, Kind kind, ui::Progress& progress) {
  auto mapped = base::MappedFile::map(file);
  if (!mapped) return std::unexpected(mapped.error());
  auto result = scanBytes(mapped->bytes(), base::displayPath(file.filename()), kind, progress);
  // A file cut short under the scan reads as zeros past its new end: its findings are not to be trusted.
  if (mapped->changed()) return base::fail(base::strcat(base::displayPath(file), " changed while it was being scanned."));
  result.stamp = mapped->stamp();
  return result;
}

}  // namespace orbisk
