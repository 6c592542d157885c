#pragma once
// A sample saved tank for the demo and the tests: a water block, then a long stretch of other
// tank state, then the fish, each with its gene, nickname and life resources around its
// 464-byte record, then the eggs. Guppies swim with a discus between them, a neon and a
// kingyo; one guppy has a Japanese nickname; gene blocks lie before the record for some fish
// and after it for others. Drawn here; nothing of it comes from the game.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string_view>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace samples {

struct SampleTankFish {
  std::string_view kind;
  std::string_view nickname;  // Shift-JIS bytes
  bool genesAfter;            // the gene block after the record (FF FF test bytes) or before it
};

// The fish in file order.
inline constexpr std::array<SampleTankFish, 8> kSampleTankFish = {{
    {"Guppy", "\x82\xD0\x82\xA9\x82\xE8", true},  // ひかり
    {"Guppy", "Dash", false},
    {"Discus", "Moon", false},
    {"Guppy", "Pebble", true},
    {"NeonTetra", "Blink", false},
    {"Guppy", "Captain Sparkles", false},
    {"Guppy", "", false},
    {"Kingyo", "Goldie", true},
}};
// The eggs in file order: kind and count.
inline constexpr std::array<std::pair<std::string_view, int>, 3> kSampleTankEggs = {{{"Guppy", 12}, {"Discus", 3}, {"Guppy", 20}}};

base::Result<base::Bytes> sampleTank();
base::Result<void> writeTank(const std::filesystem::path& path);

}  // namespace samples
