#include "tankfile/tank_image.hpp"

#include <cmath>

#include "base/file_io.hpp"
#include "base/strcat.hpp"

namespace tankfile {

base::Result<TankImage> TankImage::fromBytes(base::Bytes bytes, std::string_view name) {
  if (bytes.size() > kImageLimit)
    return base::fail(base::strcat("Cannot open ", name, ": it is ", base::withThousands(bytes.size()),
                                   " bytes long, more than the ", base::withThousands(kImageLimit),
                                   " bytes a tank or fish file can have here."));
  return TankImage(std::move(bytes));
}

base::Result<TankImage> TankImage::load(const std::filesystem::path& path) {
  base::FileStamp stamp;
  auto bytes = base::readFile(path, kImageLimit, &stamp);
  if (!bytes) return std::unexpected(bytes.error());
  TankImage image(std::move(*bytes));
  image.loaded_ = std::move(stamp);
  return image;
}

void TankImage::clear(Offset at, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) bytes_[static_cast<std::size_t>(at) + i] = 0;
}

void TankImage::incrementId(Offset at) {
  for (std::size_t i = 0; i < 4; ++i) {
    auto& byte = bytes_[static_cast<std::size_t>(at) + i];
    if (byte != 0xFF) {
      ++byte;
      return;
    }
    byte = 0;
  }
}

base::Result<void> TankImage::save(const std::filesystem::path& path) const {
  return base::writeFileAtomically(path, bytes_, loaded_ ? &*loaded_ : nullptr);
}

std::uint32_t roundToU32(double value) {
  if (!(value > 0)) return 0;  // also NaN
  const double rounded = std::nearbyint(value);  // the default rounding: halves to even
  if (rounded >= 4294967295.0) return 0xFFFFFFFFu;
  return static_cast<std::uint32_t>(rounded);
}

}  // namespace tankfile
