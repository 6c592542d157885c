#include "image/bmp_decode.hpp"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include "base/reader.hpp"
#include "base/strcat.hpp"

namespace image {

namespace {

using Kind = BmpError::Kind;
using base::getU16;
using base::getU32;

std::unexpected<BmpError> refuse(Kind kind, std::string message) {
  return std::unexpected(BmpError{kind, std::move(message)});
}

// The decoder reads through base::Reader and says in its own words what was cut short. A seek
// past the end is ignored (the position stays where it was), as the windows always had it.
void seekInside(base::Reader& in, std::size_t position) {
  if (position <= in.size()) (void)in.seek(position);
}

constexpr std::uint32_t kOldHeader = 12, kShortOs2Header = 16, kWinHeader = 40, kOs2Header = 64, kWin4Header = 108, kWin5Header = 124;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

struct Header {
  std::uint32_t pixelOffset = 0;  // from the file header
  std::uint32_t size = 0;         // of the info header
  std::int64_t storedHeight = 0;  // negative for a top-down bitmap
  std::int64_t width = 0, height = 0;
  std::uint16_t planes = 0;
  int bits = 0;
  std::uint32_t compression = kRgb, colorsUsed = 0;
};

constexpr std::uint32_t opaque(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return 0xFF000000u | (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}

// One colour channel of a 16- or 32-bit pixel: the masked bits scaled to 0-255 the way the
// windows have always shown them (a 5-bit channel's 31 is 248).
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t scale = 0;

  static std::optional<Channel> of(std::uint32_t mask) {
    Channel channel{mask, 0, 0};
    while (mask && !(mask & 1)) {
      ++channel.shift;
      mask >>= 1;
    }
    if (mask == 0xFFFFFFFFu) return std::nullopt;
    channel.scale = 256 / (mask + 1);
    return channel;
  }
  std::uint32_t operator()(std::uint32_t value) const { return ((value & mask) >> shift) * scale; }
};

std::uint32_t rowBytes(std::int64_t width, int bits) {
  return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

// Run-length codes of 8 or 4 bits a pixel into `indexes`: rows of `stride` bytes, the bottom
// row last (as the codes fill them from the bottom). A run never passes the end of the
// bottom row, as the windows' decoder always had it; a jump stays inside the picture.
std::expected<void, BmpError> decodeRunLength(base::Reader& in, int bits, std::int64_t width, std::int64_t height,
                                              std::size_t stride, std::vector<std::uint8_t>& indexes) {
  const auto rowStart = [&](std::int64_t y) { return static_cast<std::size_t>(height - y - 1) * stride; };
  const std::size_t end = rowStart(0) + static_cast<std::size_t>(width);
  const auto cut = [] { return refuse(Kind::Truncated, "its run-length codes end in the middle of a code"); };
  std::int64_t x = 0, y = 0;
  std::size_t p = rowStart(0);
  while (y < height) {
    const auto code = in.u8();
    if (!code) break;  // codes ending without the end mark leave the rest at colour 0
    if (*code == 0) {
      const auto escape = in.u8();
      if (!escape || *escape == 1) break;  // the end of the bitmap
      if (*escape == 0) {                  // the end of a line
        x = 0;
        ++y;
        if (y < height) p = rowStart(y);
      } else if (*escape == 2) {  // a jump right and up
        const auto dx = in.u8();
        const auto dy = in.u8();
        if (!dx || !dy) return cut();
        x += *dx;
        y += *dy;
        if (x >= width) x = width - 1;
        if (y >= height) y = height - 1;
        p = rowStart(y) + static_cast<std::size_t>(x);
      } else {  // escape pixels follow as they are
        std::size_t count = std::min<std::size_t>(*escape, end > p ? end - p : 0);
        if (bits == 8) {
          const auto run = in.bytes(count);
          if (!run) return refuse(Kind::Unreadable, "a run of its pixels ends early");
          std::copy(run->begin(), run->end(), indexes.begin() + static_cast<std::ptrdiff_t>(p));
          if (count & 1) seekInside(in, in.position() + 1);  // runs are padded to whole words
        } else {
          const auto run = in.bytes((count + 1) / 2);
          if (!run) return cut();
          for (std::size_t i = 0; i < count; ++i) indexes[p + i] = (i & 1) ? (*run)[i / 2] & 0x0F : (*run)[i / 2] >> 4;
          if ((((count & 3) + 1) & 2) == 2) seekInside(in, in.position() + 1);
        }
        x += static_cast<std::int64_t>(count);
        p += count;
      }
    } else {  // `code` pixels of one colour (two alternating colours at 4 bits)
      std::size_t count = std::min<std::size_t>(*code, end > p ? end - p : 0);
      const auto colour = in.u8();
      if (!colour) return cut();
      for (std::size_t i = 0; i < count; ++i)
        indexes[p + i] = bits == 8 ? *colour : (i & 1) ? *colour & 0x0F : *colour >> 4;
      x += static_cast<std::int64_t>(count);
      p += count;
    }
  }
  return {};
}

// The file header and the info header, checked for a layout this decoder reads and for a
// picture of a size it shows; the reader is left after the info header's fixed fields.
std::expected<Header, BmpError> readHeader(base::Reader& in) {
  const auto cutShort = [] { return refuse(Kind::Unreadable, "its info header is cut short"); };
  const auto fileHeader = in.bytes(14);
  if (!fileHeader) return refuse(Kind::Unreadable, "it is shorter than a bitmap's file header");
  if ((*fileHeader)[0] != 'B' || (*fileHeader)[1] != 'M') return refuse(Kind::Unreadable, "it does not start with \"BM\"");
  Header header;
  header.pixelOffset = getU32(fileHeader->data() + 10);

  const auto size = in.bytes(4);
  if (!size) return cutShort();
  header.size = getU32(size->data());
  const bool full = header.size == kWinHeader || header.size == kOs2Header || header.size == kWin4Header ||
                    header.size == kWin5Header;
  // The OS/2 header of version 2 may stop after any field from the bit count on (16 bytes
  // and up); the fields it leaves out are 0.
  const bool shortOs2 = header.size >= kShortOs2Header && header.size < kWinHeader;
  if (full || shortOs2) {
    const std::size_t length = full ? 36 : header.size - 4;
    const auto fields = in.bytes(length);
    if (!fields) return cutShort();
    const std::uint8_t* at = fields->data();
    header.width = static_cast<std::int32_t>(getU32(at));
    header.storedHeight = static_cast<std::int32_t>(getU32(at + 4));
    header.planes = getU16(at + 8);
    header.bits = getU16(at + 10);
    if (length >= 16) header.compression = getU32(at + 12);
    if (length >= 32) header.colorsUsed = getU32(at + 28);
  } else {  // any other size is read as the old 12-byte header
    const auto fields = in.bytes(8);
    if (!fields) return cutShort();
    const std::uint8_t* at = fields->data();
    header.width = static_cast<std::int16_t>(getU16(at));
    header.storedHeight = static_cast<std::int16_t>(getU16(at + 2));
    header.planes = getU16(at + 4);
    header.bits = getU16(at + 6);
  }

  const int bits = header.bits;
  const std::uint32_t compression = header.compression;
  if (!(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32))
    return refuse(Kind::Unreadable, base::strcat("it has ", bits, " bits a pixel"));
  if (header.planes != 1) return refuse(Kind::Unreadable, base::strcat("it has ", header.planes, " colour planes"));
  if (!(compression == kRgb || (bits == 4 && compression == kRle4) || (bits == 8 && compression == kRle8) ||
        ((bits == 16 || bits == 32) && compression == kBitFields)))
    return refuse(Kind::Unreadable, base::strcat("its compression ", compression, " is unknown for ", bits, " bits a pixel"));
  header.height = header.storedHeight < 0 ? -header.storedHeight : header.storedHeight;
  if (header.width <= 0 || header.height == 0)
    return refuse(Kind::Unreadable, base::strcat("its size is ", header.width, " x ", header.storedHeight, " pixels"));
  if (static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(header.height) > kMaxBmpPixels)
    return refuse(Kind::TooLarge, base::strcat("it is suspiciously large: ", header.width, " x ", header.height,
                                               " pixels (at most ", kMaxBmpPixels, " are shown)"));
  if (in.atEnd()) return refuse(Kind::Unreadable, "nothing follows its headers");
  return header;
}

// How stored pixels become colours: a palette at 1-8 bits a pixel, channel masks above.
struct Colours {
  bool alpha = false;
  std::vector<std::uint32_t> palette;
  std::optional<Channel> red, green, blue, alphaChannel;
};

std::expected<Colours, BmpError> readColours(base::Reader& in, const Header& header) {
  const int bits = header.bits;
  const std::uint32_t compression = header.compression;
  // Bit-field masks follow the 40 bytes of the header (inside a longer header).
  std::uint32_t masks[4] = {0, 0, 0, 0};
  if (header.size >= kWin4Header || (compression == kBitFields && (bits == 16 || bits == 32))) {
    const std::size_t count = header.size >= kWin4Header ? (header.size == kWin5Header ? 4 + 1 + 9 + 3 + 4 : 4 + 1 + 9 + 3) : 3;
    const auto fields = in.bytes(count * 4);
    if (!fields) return refuse(Kind::Unreadable, "its colour masks are cut short");
    for (std::size_t i = 0; i < std::min<std::size_t>(count, 4); ++i) masks[i] = getU32(fields->data() + 4 * i);
  }
  Colours colours;
  // Uncompressed 32-bit pixels carry alpha only with the usual mask in a long header.
  colours.alpha = compression == kBitFields ? masks[3] != 0 : bits == 32 && masks[3] == 0xFF000000u;

  if (bits <= 8) {  // the palette follows the header
    const std::uint32_t count = header.colorsUsed ? header.colorsUsed : 1u << bits;
    if (count > 256) return refuse(Kind::Unreadable, base::strcat("its palette claims ", count, " colours"));
    seekInside(in, 14u + header.size);  // as a 32-bit sum, as it always was
    const std::size_t entry = header.size == kOldHeader ? 3 : 4;
    for (std::uint32_t i = 0; i < count; ++i) {
      const auto at = in.bytes(entry);
      if (!at || in.atEnd()) return refuse(Kind::Unreadable, "its palette is cut short");
      colours.palette.push_back(opaque((*at)[2], (*at)[1], (*at)[0]));
    }
  } else if (compression == kBitFields) {
    colours.red = Channel::of(masks[0]), colours.green = Channel::of(masks[1]), colours.blue = Channel::of(masks[2]);
    colours.alphaChannel = Channel::of(masks[3]);
    if (!colours.red || !colours.green || !colours.blue || !colours.alphaChannel)
      return refuse(Kind::Unreadable, "a colour mask covers all 32 bits");
  } else if (bits == 16) {
    colours.red = Channel{0x7C00, 7, 1}, colours.green = Channel{0x03E0, 2, 1}, colours.blue = Channel{0x001F, 0, 8};
  } else {
    colours.red = Channel{0xFF0000, 16, 1}, colours.green = Channel{0xFF00, 8, 1}, colours.blue = Channel{0xFF, 0, 1};
    colours.alphaChannel = Channel::of(masks[3]);
  }
  return colours;
}

// The picture row of stored row `stored`: stored rows run bottom-up unless the height is negative.
std::size_t pictureRow(const Header& header, std::int64_t stored) {
  return static_cast<std::size_t>(header.storedHeight < 0 ? stored : header.height - 1 - stored);
}

// Palette indices first, in rows of `stride` bytes as stored bottom-up, then their colours.
std::expected<void, BmpError> decodeIndexed(base::Reader& in, const Header& header, const Colours& colours,
                                            Picture& picture) {
  const int bits = header.bits;
  const std::int64_t width = header.width, height = header.height;
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
  std::vector<std::uint8_t> indexes(stride * static_cast<std::size_t>(height), 0);
  if (header.compression == kRle8 || header.compression == kRle4) {
    if (auto decoded = decodeRunLength(in, bits, width, height, stride, indexes); !decoded) return decoded;
  } else {
    // Rows the data ends before stay colour 0; the row it ends in keeps the whole bytes
    // that are there at 1 and 8 bits a pixel (read straight into place), none at 4.
    const std::uint32_t bytes = rowBytes(width, bits);
    for (std::int64_t row = 0; row < height && !in.atEnd(); ++row) {
      const std::size_t have = std::min<std::size_t>(bytes, in.remaining());
      const std::uint8_t* source = in.bytes(have)->data();  // `have` bytes are there
      if (have < bytes && bits == 4) break;
      std::uint8_t* target = indexes.data() + static_cast<std::size_t>(height - 1 - row) * stride;
      const std::size_t pixels = bits == 8 ? std::min<std::size_t>(have, static_cast<std::size_t>(width))
                                 : bits == 4 ? static_cast<std::size_t>(width)
                                             : std::min<std::size_t>(have * 8, static_cast<std::size_t>(width));
      for (std::size_t i = 0; i < pixels; ++i) {
        target[i] = bits == 8   ? source[i]
                    : bits == 4 ? static_cast<std::uint8_t>((i & 1) ? source[i / 2] & 0x0F : source[i / 2] >> 4)
                                : static_cast<std::uint8_t>((source[i / 8] >> (7 - i % 8)) & 1);
      }
    }
  }
  // Memory rows are bottom-up; a top-down bitmap was stored the other way round.
  for (std::int64_t row = 0; row < height; ++row) {
    const std::uint8_t* source = indexes.data() + static_cast<std::size_t>(height - 1 - row) * stride;
    std::uint32_t* target = picture.pixels.data() + pictureRow(header, row) * static_cast<std::size_t>(width);
    for (std::int64_t x = 0; x < width; ++x) {
      const std::uint8_t index = source[x];
      target[x] = index < colours.palette.size() ? colours.palette[index] : 0xFF000000u;
    }
  }
  return {};
}

// 16, 24 and 32 bits a pixel through the channel masks. Rows the data ends before stay 0
// (black, or transparent with an alpha mask).
void decodeDirect(base::Reader& in, const Header& header, const Colours& colours, Picture& picture) {
  const int bits = header.bits;
  const std::int64_t width = header.width;
  const std::uint32_t bytes = rowBytes(width, bits);
  const std::int64_t rows = std::min<std::int64_t>(header.height, static_cast<std::int64_t>(in.remaining() / bytes));
  const std::size_t step = static_cast<std::size_t>(bits / 8);
  for (std::int64_t row = 0; row < rows; ++row) {
    const std::uint8_t* source = in.bytes(bytes)->data();  // whole rows are there
    std::uint32_t* target = picture.pixels.data() + pictureRow(header, row) * static_cast<std::size_t>(width);
    for (std::int64_t x = 0; x < width; ++x, source += step) {
      std::uint32_t c = source[0] | std::uint32_t{source[1]} << 8;
      if (bits > 16) c |= std::uint32_t{source[2]} << 16;
      if (bits > 24) c |= std::uint32_t{source[3]} << 24;
      const std::uint32_t a = colours.alpha ? (*colours.alphaChannel)(c) : 0xFF;
      target[x] = (a & 0xFF) << 24 | ((*colours.red)(c) & 0xFF) << 16 | ((*colours.green)(c) & 0xFF) << 8 |
                  ((*colours.blue)(c) & 0xFF);
    }
  }
}

}  // namespace

std::expected<Picture, BmpError> decodeBmp(base::ByteSpan file) {
  base::Reader in(file);
  const auto header = readHeader(in);
  if (!header) return std::unexpected(header.error());
  const auto colours = readColours(in, *header);
  if (!colours) return std::unexpected(colours.error());

  // The pixels start at the offset the file header gives, unless that lies behind or past
  // the end.
  if (header->pixelOffset <= INT_MAX && header->pixelOffset > in.position()) seekInside(in, header->pixelOffset);

  Picture picture;
  picture.width = static_cast<int>(header->width);
  picture.height = static_cast<int>(header->height);
  picture.alpha = colours->alpha;
  picture.pixels.assign(static_cast<std::size_t>(header->width * header->height), colours->alpha ? 0u : 0xFF000000u);
  if (header->bits > 8) {
    decodeDirect(in, *header, *colours, picture);
  } else if (auto decoded = decodeIndexed(in, *header, *colours, picture); !decoded) {
    return std::unexpected(decoded.error());
  }
  return picture;
}

}  // namespace image
