#pragma once
// Builds a message from pieces (this compiler's library has no std::format yet).
#include <sstream>
#include <string>

namespace base {

template <class... Parts>
std::string strcat(const Parts&... parts) {
  std::ostringstream out;
  (out << ... << parts);
  return out.str();
}

}  // namespace base
