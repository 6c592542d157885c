#pragma once
// The preview drawing as a PNG file, written without Qt, so the command line draws previews
// on a headless machine and in a build without the windows.
#include <filesystem>

#include "base/error.hpp"
#include "scalepaint/preview.hpp"

namespace scalepaint {

// The drawing on a white 350 × 350 surface, written as a PNG file (atomically).
base::Result<void> writePreviewPng(const PreviewImage& image, const std::filesystem::path& path);

}  // namespace scalepaint
