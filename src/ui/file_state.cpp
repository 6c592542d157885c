#include "ui/file_state.hpp"

#include <system_error>

#include "base/file_io.hpp"

namespace ui {

FileState fileState(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return FileState::Missing;
  FileState state = FileState::Plain;
  const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & writable) == fs::perms::none) state = FileState::ReadOnly;
  auto name = base::displayPath(path.filename());
  if (name.size() > 1 && name[0] == '.' && name != "..") state = FileState::Hidden;
  if (fs::is_directory(status)) state = FileState::Folder;
  return state;
}

}  // namespace ui
