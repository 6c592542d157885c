#include "ui/paths.hpp"

#include <filesystem>

#include "base/file_io.hpp"

namespace ui {

namespace {
bool isDriveLetterPath(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// A drive-letter folder joins with the separator it is written with ("C:/a" comes from Qt,
// "C:\a" from the system), so a shown path never mixes the two; any other folder with '/'.
char separatorFor(std::string_view folder) {
  if (!isDriveLetterPath(folder)) return '/';
  return folder.find('/') != std::string_view::npos && folder.find('\\') == std::string_view::npos ? '/' : '\\';
}
}  // namespace

std::string joinFolder(std::string_view folder, std::string_view name) {
  if (isDriveLetterPath(name) || name.starts_with('/') || name.starts_with('\\')) return std::string(name);
  std::string out(folder);
  if (!out.empty() && out.back() != '/' && out.back() != '\\') out += separatorFor(folder);
  out += name;
  return out;
}

bool namesAFile(std::string_view name) {
  // A backslash separates folders only where the system says so; elsewhere it may end a name.
  const bool backslashSeparates = std::filesystem::path::preferred_separator == '\\';
  return !name.empty() && !name.ends_with('/') && !(backslashSeparates && name.ends_with('\\'));
}

std::string defaultOutputPath(const std::filesystem::path& currentFolder, std::string_view extension) {
  return joinFolder(base::displayPath(currentFolder), std::string("temp") + std::string(extension));
}

std::string_view trimNulls(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace ui
