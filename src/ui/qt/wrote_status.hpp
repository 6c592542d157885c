#pragma once
// The status line after a window writes a file: its name, its folder and what changed.
#include <QString>
#include <filesystem>
#include <string_view>

#include "ui/qt/qt_ui.hpp"
#include "ui/wrote.hpp"

namespace ui {

inline QString wroteStatus(const std::filesystem::path& written, std::string_view whatChanged) {
  return toQString(wroteInText(fromPath(written.filename()).toStdString(), fromPath(written.parent_path()).toStdString(),
                               whatChanged));
}

}  // namespace ui
