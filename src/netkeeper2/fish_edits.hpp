#pragma once
// The fish-information edits: the ticked boxes written into every fish of the tank.
#include <cstddef>
#include <optional>

#include "base/bytes.hpp"

namespace netkeeper2 {

// Each box that is ticked holds the number read from it.
struct FishEdits {
  std::optional<double> age, health, fullness, courage, power, colour;
  std::optional<bool> male;
};

struct FishEditReport {
  std::size_t edited = 0;
  std::size_t withoutSex = 0;  // records whose base is an egg's or missing: left alone
  std::size_t pastEnd = 0;     // records whose fields would lie past the end of the file
};

// Edits the first record and every next one, whatever their kind.
FishEditReport applyFishEdits(base::Bytes& image, const FishEdits& edits);

}  // namespace netkeeper2
