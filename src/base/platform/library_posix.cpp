#include <dlfcn.h>

#include <string>

#include "base/library.hpp"

namespace base {

std::optional<SharedLibrary> SharedLibrary::load(std::string_view name, std::initializer_list<int> versions) {
  const std::string file = "lib" + std::string(name) + ".so";
  for (int version : versions)
    if (void* handle = ::dlopen((file + "." + std::to_string(version)).c_str(), RTLD_NOW | RTLD_LOCAL)) return SharedLibrary(handle);
  if (void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) return SharedLibrary(handle);
  return std::nullopt;
}

std::filesystem::path SharedLibrary::besideProgram(std::string_view, int) { return {}; }

void* SharedLibrary::lookUp(const char* symbol) const { return ::dlsym(handle_, symbol); }

}  // namespace base
