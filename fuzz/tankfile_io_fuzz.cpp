// A tank image over any bytes: reads outside the file give 0, the checked writers and the ID
// increment change only their own bytes, and save then load gives back exactly the image's
// bytes, also when the save replaces the file that was loaded.
#include <algorithm>
#include <cmath>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.hpp"
#include "tankfile/tank_image.hpp"

using fuzz::require;
using tankfile::Offset;

// The input: a double for the rounding, up to eight edits (kind, offset, value), then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const double value = input.ConsumeFloatingPoint<double>();
  const std::uint32_t rounded = tankfile::roundToU32(value);
  if (!(value > 0)) require(rounded == 0);
  else if (value >= 4294967295.0) require(rounded == 0xFFFFFFFFu);
  else require(std::fabs(static_cast<double>(rounded) - value) <= 0.5);

  struct Edit {
    int kind;
    Offset at;
    std::uint32_t value;
  };
  std::vector<Edit> edits(input.ConsumeIntegralInRange<std::size_t>(0, 8));
  for (auto& edit : edits)
    edit = {input.ConsumeIntegralInRange<int>(0, 3), input.ConsumeIntegralInRange<Offset>(-40, 70000), input.ConsumeIntegral<std::uint32_t>()};
  auto image = tankfile::TankImage::fromBytes(input.ConsumeRemainingBytes<std::uint8_t>());
  require(image.has_value());
  const base::Bytes original(image->bytes().begin(), image->bytes().end());

  base::Bytes expected = original;
  for (const auto& edit : edits) {
    // Reads: the file's bytes, 0 outside it, the 32-bit value little-endian from those.
    std::uint32_t composed = 0;
    for (int i = 3; i >= 0; --i) {
      const Offset at = edit.at + i;
      const std::uint8_t byte = at >= 0 && static_cast<std::size_t>(at) < expected.size() ? expected[static_cast<std::size_t>(at)] : 0;
      require(image->byteAt(at) == byte);
      composed = composed << 8 | byte;
    }
    require(image->u32At(edit.at) == composed);
    const std::size_t width = edit.kind == 0 ? 1 : 4;
    const bool inside = edit.at >= 0 && static_cast<std::size_t>(edit.at) + width <= expected.size();
    require(image->holds(edit.at, width) == inside);
    if (!inside) continue;
    const auto at = static_cast<std::size_t>(edit.at);
    switch (edit.kind) {
      case 0:
        image->setByte(edit.at, static_cast<std::uint8_t>(edit.value));
        expected[at] = static_cast<std::uint8_t>(edit.value);
        break;
      case 1:
        image->setU32(edit.at, edit.value);
        base::putU32(&expected[at], edit.value);
        break;
      case 2:
        image->clear(edit.at, 4);
        std::fill_n(expected.begin() + static_cast<std::ptrdiff_t>(at), 4, 0);
        break;
      default:
        image->incrementId(edit.at);
        base::putU32(&expected[at], base::getU32(&expected[at]) + 1);  // FF FF FF FF becomes 0
    }
    require(image->fileLength() == original.size() && std::equal(expected.begin(), expected.end(), image->bytes().begin()));
  }

  const auto folder = fuzz::freshFolder("tankfile_io");
  const auto path = folder / "tank.tqn";
  fuzz::writeBytes(path, original);
  auto loaded = tankfile::TankImage::load(path);
  require(loaded && std::equal(original.begin(), original.end(), loaded->bytes().begin(), loaded->bytes().end()));
  // The edited image saved over the file it came from.
  require(image->save(path).has_value());
  auto again = tankfile::TankImage::load(path);
  require(again && std::equal(expected.begin(), expected.end(), again->bytes().begin(), again->bytes().end()));
  require(fuzz::readBytes(path) == expected);
  // Nothing is left beside it.
  require(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()) == 1);
  return 0;
}
