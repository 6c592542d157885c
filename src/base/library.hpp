#pragma once
// A shared library loaded while the program runs rather than linked, so that a library needed
// by one rare action costs nothing at start-up. The system-specific half lives in platform/
// (library_posix.cpp, library_windows.cpp).
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace base {

class SharedLibrary {
 public:
  // The library `name` ("fluidsynth") in the first of `versions` the system has, else in
  // whatever version it has under its plain name; nothing when it has none. A loaded library
  // stays loaded until the program ends.
  static std::optional<SharedLibrary> load(std::string_view name, std::initializer_list<int> versions);

  // The file load() takes first for `name` in `version` where the program's own folder holds
  // it, for a message that says what is missing: on Windows "libNAME-VERSION.dll" beside the
  // program. Empty on the other systems, whose libraries come from the system's folders.
  static std::filesystem::path besideProgram(std::string_view name, int version);

  // The function called `symbol` into `function`; false when the library lacks it.
  template <class Function>
  bool find(const char* symbol, Function*& function) const {
    void* address = lookUp(symbol);
    if (!address) return false;
    // A symbol's address becomes a function pointer by copying its bits: C++ has no cast for it.
    static_assert(sizeof function == sizeof address);
    std::memcpy(&function, &address, sizeof address);
    return true;
  }

 private:
  explicit SharedLibrary(void* handle) : handle_(handle) {}
  void* lookUp(const char* symbol) const;
  void* handle_;
};

}  // namespace base
