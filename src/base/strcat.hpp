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

// A message that ends a sentence: a full stop added unless the text already ends with one (a
// reason quoted from elsewhere often does), so a message never ends with two.
inline std::string withFullStop(std::string text) {
  if (text.empty() || (text.back() != '.' && text.back() != '!' && text.back() != '?')) text += '.';
  return text;
}

}  // namespace base
