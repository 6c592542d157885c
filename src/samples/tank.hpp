#pragma once
// A sample saved tank for the demo and the tests.
#include <filesystem>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace samples {

base::Result<base::Bytes> sampleTank();
base::Result<void> writeTank(const std::filesystem::path& path);

}  // namespace samples
