#pragma once
// Recolouring fish animations in place. The file is walked through its resource map as every
// reader of fish files does; each animation set found has the pixel bytes of its frames'
// run streams replaced through the palette table. Nothing else changes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "base/bytes.hpp"
#include "base/zero_extended.hpp"
#include "scalepaint/palette.hpp"
#include "ui/ui.hpp"

namespace scalepaint {

// A resource reached by the walk: its first data byte and its 24-bit byte count.
struct ResourceSpot {
  std::size_t dataStart = 0;
  std::uint32_t byteCount = 0;
};

// The walk over the reference entries: from the map offset M (header bytes 4-6), the first
// pair of 0xFF bytes is taken as the name field of an unnamed reference entry, and the data
// offsets of the entries after it are read every 12 bytes. The walk ends at an entry past the
// file, a data offset of 0, or a resource starting past the file; a file whose M is 0 has no
// entries. It reads the file as it is when asked for the next resource, so a caller may change
// the bytes of the resources it has been given.
class ResourceWalk {
 public:
  explicit ResourceWalk(base::ByteSpan file);
  // Every resource, in map order.
  std::optional<ResourceSpot> next();
  // The next resource that passes the animation-set test.
  std::optional<ResourceSpot> nextAnimationSet();

 private:
  base::ByteSpan file_;
  std::size_t entry_ = 0;
  bool done_ = false;
};

// The content test of an animation set: more than 804 bytes, not 1128 (the info block), not
// starting with "BM", an animation count of 1-16 (high byte 0), a first frame count of 1-16
// and five zero bytes after it.
bool isAnimationSet(base::ByteSpan file, const ResourceSpot& resource);

// A frame record inside the file: its 14-byte header and its run stream right after it.
struct FrameSpot {
  std::size_t header = 0;
  std::size_t streamLength = 0;
  std::size_t stream() const { return header + 14; }
};

// The frames of a set, in order, as far as they are sound: at most A × F + 11 of them (A and
// F the set's animation count and first frame count), each wholly inside both the set and the
// file; a frame that would end past either ends the set. After each frame, two zero bytes
// where the next header's height would be mark the next animation's frame count, which is
// stepped over. `visit` returns false to end the set early.
template <class Visit>
void walkFrames(base::ByteSpan file, const ResourceSpot& set, Visit&& visit);

// The runs of a stream, in order. Each run starts with a two-byte count (low byte first): a
// literal run when the high byte is 0 and the low byte 1-255, or the high byte is 1-127, of
// high × 256 + low pixel bytes; anything else is a 3-byte skip run of 256 - low pixels whose
// value is its third byte. `literal(at, count)` and `skip(at, count)` get the offset in the
// stream of the first pixel byte or the value byte. A single byte left at the end is not a
// run. Returns false when a run would end past the stream (the runs before it were visited).
template <class Literal, class Skip>
bool walkRuns(base::ByteSpan stream, Literal&& literal, Skip&& skip);

struct RecolourReport {
  std::size_t sets = 0;
  std::size_t frames = 0;
  bool stopped = false;  // Stop ended the walk; the sets before were recoloured
};

// Recolours one set: every literal pixel byte and skip value byte v of its sound frames
// becomes table[v], with table[0] taken as 0. A run that would end past its stream ends the
// set.
std::size_t recolourAnimationSet(std::span<std::uint8_t> file, const ResourceSpot& set, const Table& table);

// Recolours every animation set the walk finds. Progress is the walk's position in the file;
// Stop ends it between sets.
RecolourReport recolourFile(std::span<std::uint8_t> file, const Table& table, ui::Progress& progress = ui::noProgress());

// ---------------------------------------------------------------------------------------------

template <class Visit>
void walkFrames(base::ByteSpan file, const ResourceSpot& set, Visit&& visit) {
  // The walk reads the fish file's way: bytes past its end count as 0.
  const base::ZeroExtended view(file);
  const std::size_t d = set.dataStart;
  const std::size_t budget = std::size_t{view.u8(d)} * view.u8(d + 2) + 10;
  const std::size_t end = std::min(d + set.byteCount, file.size());
  std::size_t h = d + 4;
  for (std::size_t j = 0; j <= budget; ++j) {
    if (h + 14 > end) return;
    const std::size_t length = view.u16(h + 10);
    if (h + 14 + length > end) return;
    if (!visit(FrameSpot{h, length})) return;
    h += 14 + length;
    if (h + 6 <= end && view.u16(h + 4) == 0) h += 2;
  }
}

template <class Literal, class Skip>
bool walkRuns(base::ByteSpan stream, Literal&& literal, Skip&& skip) {
  const std::size_t size = stream.size();
  std::size_t k = 0;
  while (k + 2 <= size) {
    const unsigned low = stream[k], high = stream[k + 1];
    if ((high == 0 && low >= 1) || (high >= 1 && high <= 127)) {
      const std::size_t count = high * 256 + low;
      if (count > size - k - 2) return false;
      literal(k + 2, count);
      k += count + 2;
    } else {
      if (k + 3 > size) return false;
      skip(k + 2, std::size_t{256} - low);
      k += 3;
    }
  }
  return true;
}

}  // namespace scalepaint
