#pragma once
// Qt's offscreen platform on Windows reads its fonts from one folder (QT_QPA_FONTDIR) and
// knows no others: the window tests take the fonts/ folder beside them when there is one (the
// cross build makes it of the host's fonts for the tests under wine).
#include <QtGlobal>
#include <filesystem>
#include <system_error>

namespace test {

inline void useFontsBesideTheTests([[maybe_unused]] const char* program) {
#ifdef _WIN32
  if (qEnvironmentVariableIsSet("QT_QPA_FONTDIR") || !program) return;
  const std::filesystem::path fonts = std::filesystem::path(program).parent_path() / "fonts";
  std::error_code ec;
  if (std::filesystem::is_directory(fonts, ec)) qputenv("QT_QPA_FONTDIR", fonts.string().c_str());
#endif
}

}  // namespace test
