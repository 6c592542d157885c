#pragma once
// The system-specific half of atomic writing: a complete temporary file beside the destination.
#include <filesystem>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace base::platform {

// Writes data to a new uniquely named file in path's folder, and returns
// its path. On failure nothing is left behind and the error says why (without the path).
Result<std::filesystem::path> writeTempFileBeside(const std::filesystem::path& path, ByteSpan data);

}  // namespace base::platform
