#include "base/user_folders.hpp"

#include <cstdlib>
#include <string>
#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/system.hpp"
#include "base/utf8.hpp"

namespace base {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// Windows keeps a person's files under the profile's own folders, not under a home folder, and
// separates the folders of a list with ';' (':' follows a drive letter).
constexpr bool kWindows = true;
constexpr char kListSeparator = ';';
#else
constexpr bool kWindows = false;
constexpr char kListSeparator = ':';
#endif

// An environment variable naming a folder: unset, empty and relative ones count as unset, as
// the XDG rules say.
fs::path folderFrom(const char* variable) {
  const auto value = environmentVariable(variable);
  if (!value || value->empty()) return {};
  fs::path folder = pathFromUtf8(*value);
  return folder.is_absolute() ? folder : fs::path();
}

fs::path inHome(const char* relative) {
  const fs::path home = folderFrom("HOME");
  return home.empty() ? home : home / relative;
}

// Makes `folder` and the folders above it that are missing, each readable by the user alone.
std::error_code makePrivateFolders(const fs::path& folder) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return {};
  if (auto above = folder.parent_path(); !above.empty() && above != folder)
    if (auto failed = makePrivateFolders(above)) return failed;
  if (fs::create_directory(folder, ec)) fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
  if (!ec && !fs::is_directory(folder, ec) && !ec) ec = std::make_error_code(std::errc::not_a_directory);
  return ec;
}

}  // namespace

Result<fs::path> userTemporaryFolder() {
  fs::path root = folderFrom("XDG_RUNTIME_DIR");
  if (root.empty()) root = folderFrom("XDG_CACHE_HOME");
  if (kWindows) {
    if (root.empty()) root = systemTemporaryFolder();
    if (root.empty()) return fail("Cannot find a folder of your own for temporary files: set TMP.");
  }
  if (root.empty()) root = inHome(".cache");
  if (root.empty()) root = folderFrom("LOCALAPPDATA");
  if (root.empty())
    return fail("Cannot find a folder of your own for temporary files: set XDG_RUNTIME_DIR or HOME.");
  const fs::path folder = root / kSuiteFolderName;
  if (auto ec = makePrivateFolders(folder))
    return fail(strcat("Cannot make the folder ", displayPath(folder), ": ", ec.message(), "."));
  // Only its owner may change a folder's permissions: this makes sure the folder is ours and
  // closed to others, whoever made it.
  std::error_code ec;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
  if (ec) return fail(strcat("Cannot use the folder ", displayPath(folder), " for temporary files: ", ec.message(), "."));
  return folder;
}

fs::path userDataFolder() {
  fs::path root = folderFrom("XDG_DATA_HOME");
  if (kWindows && root.empty()) root = folderFrom("LOCALAPPDATA");
  if (root.empty()) root = inHome(".local/share");
  if (root.empty()) root = folderFrom("APPDATA");
  return root.empty() ? root : root / kSuiteFolderName;
}

std::vector<fs::path> systemDataFolders() {
  std::vector<fs::path> folders;
  const auto value = environmentVariable("XDG_DATA_DIRS");
  std::string list = value.value_or("");
  if (list.empty()) list = kWindows ? environmentVariable("ProgramData").value_or("") : "/usr/local/share:/usr/share";
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(kListSeparator, start);
    if (end == std::string::npos) end = list.size();
    const fs::path folder = pathFromUtf8(list.substr(start, end - start));
    if (folder.is_absolute()) folders.push_back(folder.lexically_normal());
    start = end + 1;
  }
  return folders;
}

fs::path programFolder() { return runningProgram().parent_path(); }

}  // namespace base
