#include "samples/tank.hpp"

#include "base/file_io.hpp"

namespace samples {

base::Result<base::Bytes> sampleTank() { return base::fail("The sample tank is being built."); }

base::Result<void> writeTank(const std::filesystem::path& path) {
  auto tank = sampleTank();
  if (!tank) return std::unexpected(tank.error());
  return base::writeFileAtomically(path, *tank);
}

}  // namespace samples
