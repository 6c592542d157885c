#include <windows.h>

#include <string>
#include <vector>

#include "base/library.hpp"
#include "base/system.hpp"

namespace base {

namespace {

std::wstring wide(const std::string& name) { return std::wstring(name.begin(), name.end()); }  // library names are ASCII

std::string versioned(std::string_view name, int version) { return "lib" + std::string(name) + "-" + std::to_string(version) + ".dll"; }

// A library beside the program, by its whole path; the libraries it needs are looked for in
// its folder first.
HMODULE loadBesideProgram(const std::string& file) {
  const std::filesystem::path folder = runningProgram().parent_path();
  if (folder.empty()) return nullptr;
  return ::LoadLibraryExW((folder / wide(file)).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// A library from the system's own folders; never from the current folder or PATH, where
// anyone's file may lie.
HMODULE loadFromSystem(const std::string& file) {
  return ::LoadLibraryExW(wide(file).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_USER_DIRS);
}

}  // namespace

// Windows builds name a library "libNAME-VERSION.dll" (as MinGW and most ports do), else
// "libNAME.dll" or "NAME.dll"; the program's own folder comes first, then the system's.
std::optional<SharedLibrary> SharedLibrary::load(std::string_view name, std::initializer_list<int> versions) {
  const std::string plain(name);
  std::vector<std::string> files;
  for (int version : versions) files.push_back(versioned(name, version));
  files.push_back("lib" + plain + ".dll");
  files.push_back(plain + ".dll");
  for (const auto& file : files)
    if (HMODULE handle = loadBesideProgram(file)) return SharedLibrary(handle);
  for (const auto& file : files)
    if (HMODULE handle = loadFromSystem(file)) return SharedLibrary(handle);
  return std::nullopt;
}

std::filesystem::path SharedLibrary::besideProgram(std::string_view name, int version) {
  const std::filesystem::path folder = runningProgram().parent_path();
  return folder.empty() ? folder : folder / wide(versioned(name, version));
}

void* SharedLibrary::lookUp(const char* symbol) const {
  const FARPROC address = ::GetProcAddress(static_cast<HMODULE>(handle_), symbol);
  void* plain = nullptr;
  static_assert(sizeof plain == sizeof address);
  std::memcpy(&plain, &address, sizeof address);
  return plain;
}

}  // namespace base
