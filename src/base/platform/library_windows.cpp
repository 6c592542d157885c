#include <windows.h>

#include <string>

#include "base/library.hpp"

namespace base {

namespace {

HMODULE loadNamed(const std::string& file) {
  const std::wstring wide(file.begin(), file.end());  // library names are ASCII
  return ::LoadLibraryW(wide.c_str());
}

}  // namespace

// Windows builds name a library "libNAME-VERSION.dll" (as MinGW and most ports do), else
// "libNAME.dll" or "NAME.dll"; the program's own folder is searched first.
std::optional<SharedLibrary> SharedLibrary::load(std::string_view name, std::initializer_list<int> versions) {
  const std::string plain(name);
  for (int version : versions)
    if (HMODULE handle = loadNamed("lib" + plain + "-" + std::to_string(version) + ".dll")) return SharedLibrary(handle);
  for (const std::string& file : {"lib" + plain + ".dll", plain + ".dll"})
    if (HMODULE handle = loadNamed(file)) return SharedLibrary(handle);
  return std::nullopt;
}

void* SharedLibrary::lookUp(const char* symbol) const {
  const FARPROC address = ::GetProcAddress(static_cast<HMODULE>(handle_), symbol);
  void* plain = nullptr;
  static_assert(sizeof plain == sizeof address);
  std::memcpy(&plain, &address, sizeof address);
  return plain;
}

}  // namespace base
