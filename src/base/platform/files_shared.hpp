#pragma once
// What both systems' files code does alike: comparing paths of one file, and naming temporaries.
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "base/strcat.hpp"
#include "base/system.hpp"
#include "base/utf8.hpp"

namespace base::platform {

// The name two paths of one file share: absolute, links followed as far as they exist.
inline std::filesystem::path comparable(const std::filesystem::path& path) {
  std::error_code ec;
  auto absolute = std::filesystem::absolute(path, ec);
  if (ec) return path.lexically_normal();
  auto canonical = std::filesystem::weakly_canonical(absolute, ec);
  return ec ? absolute.lexically_normal() : canonical;
}

// Short hidden names for temporaries, ".brk-PID-XXXXXX": short, so that any legal destination
// name can be written, and carrying the owner, so that a later run can sweep what a killed
// one left.
inline constexpr std::string_view kTempPrefix = ".brk-";

inline std::filesystem::path temporaryName(const std::filesystem::path& folder) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::string name = strcat(kTempPrefix, processId(), "-");
  for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return folder / pathFromUtf8(name);
}

}  // namespace base::platform
