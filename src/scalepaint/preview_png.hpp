#pragma once
// The preview drawing as Qt's picture and as a PNG file. QImage needs no display, so the
// command line draws previews on a headless machine too.
#include <QImage>
#include <filesystem>

#include "base/error.hpp"
#include "scalepaint/preview.hpp"

namespace scalepaint {

// 350 × 350, transparent where nothing was drawn.
QImage previewQImage(const PreviewImage& image);

// The drawing on a white 350 × 350 surface, written as a PNG file (atomically).
base::Result<void> writePreviewPng(const PreviewImage& image, const std::filesystem::path& path);

}  // namespace scalepaint
