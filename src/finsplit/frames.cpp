#include "finsplit/frames.hpp"

#include "fishfile/fish_file.hpp"

namespace finsplit {

base::Result<std::vector<Animation>> decodeAnimations(base::ByteSpan file) {
  const auto sets = fishfile::findAnimationSets(file);
  return fishfile::decodeAnimationSets(file, sets);
}

}  // namespace finsplit
