#pragma once
// The preview drawing as Qt's picture, for the window.
#include <QImage>

#include "scalepaint/preview.hpp"

namespace scalepaint {

// 350 × 350, transparent where nothing was drawn.
QImage previewQImage(const PreviewImage& image);

}  // namespace scalepaint
