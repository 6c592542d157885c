#pragma once
// Errors are values: every fallible operation returns Result<T>, whose error is a message
// written for the person using the tool.
#include <expected>
#include <string>
#include <utility>

namespace base {

struct Error {
  std::string message;
};

template <class T>
using Result = std::expected<T, Error>;

inline std::unexpected<Error> fail(std::string message) {
  return std::unexpected(Error{std::move(message)});
}

}  // namespace base
