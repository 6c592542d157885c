#pragma once
// What the targets share: a failed property aborts (libFuzzer reports it with the input), and
// the targets that go through files get a scratch folder of their own, in memory where the
// system offers one, removed when the fuzzer exits.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <random>
#include <source_location>

#include "base/bytes.hpp"

namespace fuzz {

// A failed property names its line before the abort.
inline void require(bool condition, std::source_location where = std::source_location::current()) {
  if (condition) return;
  std::fprintf(stderr, "property failed at %s:%u\n", where.file_name(), static_cast<unsigned>(where.line()));
  std::abort();
}

// A folder for this fuzzer process: under /dev/shm when it exists (no disk writes), else the
// temporary folder. Created on first use, emptied by callers as they need.
inline const std::filesystem::path& scratch() {
  static const std::filesystem::path folder = [] {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path root = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path made = root / ("brinkit-fuzz-" + std::to_string(std::random_device{}()));
    fs::remove_all(made, ec);
    fs::create_directories(made);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratch(), ignored);
    });
    return made;
  }();
  return folder;
}

// An empty sub-folder of the scratch folder.
inline std::filesystem::path freshFolder(std::string_view name) {
  const auto folder = scratch() / std::string(name);
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  std::filesystem::create_directories(folder);
  return folder;
}

// Whether the bytes from `at` are those of the text (compared as bytes, whatever char's sign).
inline bool bytesAt(base::ByteSpan data, std::size_t at, std::string_view text) {
  const base::ByteSpan wanted = base::asBytes(text);
  return at <= data.size() && wanted.size() <= data.size() - at &&
         std::equal(wanted.begin(), wanted.end(), data.begin() + static_cast<std::ptrdiff_t>(at));
}

inline void writeBytes(const std::filesystem::path& path, base::ByteSpan data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  require(static_cast<bool>(out));
}

inline base::Bytes readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  require(static_cast<bool>(in));
  base::Bytes bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  require(static_cast<bool>(in) || bytes.empty());
  return bytes;
}

// A file name (no folder) made of the given bytes: a separator or NUL becomes '_', and an
// empty, "." or ".." name gets a letter, so the name always names a file in its folder.
inline std::string fileNameFrom(std::string_view bytes) {
  std::string name(bytes.substr(0, 200));
  for (char& c : name)
    if (c == '/' || c == '\0') c = '_';
  if (name.empty() || name == "." || name == "..") name += 'f';
  return name;
}

}  // namespace fuzz
