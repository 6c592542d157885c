#include "image/gif_write.hpp"

#include <algorithm>
#include <string_view>

namespace image {

namespace {

constexpr int kMinCodeSize = 8;  // every index 0-255 is a code of its own
constexpr unsigned kClearCode = 1u << kMinCodeSize;
constexpr unsigned kEndCode = kClearCode + 1;
constexpr unsigned kFirstFreeCode = kClearCode + 2;
constexpr unsigned kCodeLimit = 4096;  // codes are at most 12 bits
constexpr int kMaxCodeSize = 12;

void appendU16(base::Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Codes of growing width, packed from the lowest bit of each byte up.
class CodeWriter {
 public:
  explicit CodeWriter(base::Bytes& out) : out_(out) {}
  void put(unsigned code, int width) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(bits_));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  void flush() {
    if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(bits_));
    bits_ = 0;
    count_ = 0;
  }

 private:
  base::Bytes& out_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

// The string table: (code of a string, next index) → code of the longer string, hashed.
class StringTable {
 public:
  void clear() { std::fill(keys_.begin(), keys_.end(), 0); }
  // The code of the string, or 0 when the table does not hold it (no string's code is 0).
  unsigned find(unsigned prefix, std::uint8_t index) const {
    const std::uint32_t key = keyOf(prefix, index);
    for (std::size_t slot = hash(key);; slot = (slot + 1) & kMask) {
      if (keys_[slot] == key) return codes_[slot];
      if (keys_[slot] == 0) return 0;
    }
  }
  void add(unsigned prefix, std::uint8_t index, unsigned code) {
    const std::uint32_t key = keyOf(prefix, index);
    std::size_t slot = hash(key);
    while (keys_[slot] != 0) slot = (slot + 1) & kMask;
    keys_[slot] = key;
    codes_[slot] = static_cast<std::uint16_t>(code);
  }

 private:
  static constexpr std::size_t kSlots = 8192;  // at most 3838 strings: never more than half full
  static constexpr std::size_t kMask = kSlots - 1;
  static std::uint32_t keyOf(unsigned prefix, std::uint8_t index) { return ((prefix << 8) | index) + 1; }
  static std::size_t hash(std::uint32_t key) { return (key * 2654435761u >> 19) & kMask; }
  std::vector<std::uint32_t> keys_ = std::vector<std::uint32_t>(kSlots);  // 0: a free slot
  std::vector<std::uint16_t> codes_ = std::vector<std::uint16_t>(kSlots);
};

// The pixels' LZW code, to follow the minimum code size byte.
base::Bytes lzw(std::span<const std::uint8_t> pixels) {
  base::Bytes out;
  CodeWriter writer(out);
  StringTable table;
  int width = kMinCodeSize + 1;
  unsigned next = kFirstFreeCode;
  writer.put(kClearCode, width);
  // A decoder learns each string one code later than it is made here; the width follows the
  // table as the decoder will have it when it reads the next code.
  const auto learn = [&](unsigned prefix, std::uint8_t index) {
    if (next < kCodeLimit) {
      table.add(prefix, index, next++);
      if (next > (1u << width) && width < kMaxCodeSize) ++width;
    } else {
      writer.put(kClearCode, width);
      table.clear();
      width = kMinCodeSize + 1;
      next = kFirstFreeCode;
    }
  };
  if (!pixels.empty()) {
    unsigned string = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
      const std::uint8_t index = pixels[i];
      if (const unsigned longer = table.find(string, index)) {
        string = longer;
        continue;
      }
      writer.put(string, width);
      learn(string, index);
      string = index;
    }
    writer.put(string, width);
    // The decoder learns one more string on reading the last code, and may widen for the end.
    if (next < kCodeLimit && ++next > (1u << width) && width < kMaxCodeSize) ++width;
  }
  writer.put(kEndCode, width);
  writer.flush();
  return out;
}

// Data in sub-blocks of at most 255 bytes, ended by an empty one.
void appendSubBlocks(base::Bytes& out, base::ByteSpan data) {
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(size));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + size));
  }
  out.push_back(0);
}

bool sideFits(int side) { return side >= 1 && side <= kMaxGifSide; }

}  // namespace

base::Result<base::Bytes> gifBytes(const GifAnimation& animation) {
  if (animation.frames.empty()) return base::fail("An animation without frames cannot be coded as GIF.");
  if (!sideFits(animation.width) || !sideFits(animation.height))
    return base::fail("The animation cannot be coded as GIF: its sides must be 1 to 65535 pixels.");
  if (animation.delayCentiseconds < 0 || animation.delayCentiseconds > 65535)
    return base::fail("The animation cannot be coded as GIF: the frame delay must be 0 to 655.35 seconds.");
  for (const auto& frame : animation.frames) {
    if (!sideFits(frame.width) || !sideFits(frame.height) || frame.width > animation.width ||
        frame.height > animation.height ||
        frame.pixels.size() != static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height))
      return base::fail("The animation cannot be coded as GIF: a frame does not fit its screen or its pixels.");
  }

  base::Bytes gif;
  constexpr std::string_view signature = "GIF89a";
  gif.insert(gif.end(), signature.begin(), signature.end());
  // The screen, with a global table of 2^(7+1) colours of 8 bits each.
  appendU16(gif, static_cast<unsigned>(animation.width));
  appendU16(gif, static_cast<unsigned>(animation.height));
  gif.push_back(0xF7);
  gif.push_back(animation.transparent.value_or(0));  // the background: what a cleared frame leaves
  gif.push_back(0);                                  // square pixels
  for (const auto& colour : animation.palette) gif.insert(gif.end(), {colour.red, colour.green, colour.blue});

  // Played again and again (a loop count of 0).
  constexpr std::string_view loop = "NETSCAPE2.0";
  gif.insert(gif.end(), {0x21, 0xFF, static_cast<std::uint8_t>(loop.size())});
  gif.insert(gif.end(), loop.begin(), loop.end());
  gif.insert(gif.end(), {0x03, 0x01, 0x00, 0x00, 0x00});

  for (const auto& frame : animation.frames) {
    // The graphic control: shown this long, then (with a transparent index) cleared to the background.
    const bool transparent = animation.transparent.has_value();
    gif.insert(gif.end(), {0x21, 0xF9, 0x04, static_cast<std::uint8_t>(transparent ? (2 << 2) | 1 : 1 << 2)});
    appendU16(gif, static_cast<unsigned>(animation.delayCentiseconds));
    gif.push_back(animation.transparent.value_or(0));
    gif.push_back(0);
    // The image at the top-left corner, in the global colours, not interlaced.
    gif.push_back(0x2C);
    appendU16(gif, 0);
    appendU16(gif, 0);
    appendU16(gif, static_cast<unsigned>(frame.width));
    appendU16(gif, static_cast<unsigned>(frame.height));
    gif.push_back(0);
    gif.push_back(kMinCodeSize);
    appendSubBlocks(gif, lzw(frame.pixels));
  }
  gif.push_back(0x3B);
  return gif;
}

}  // namespace image
