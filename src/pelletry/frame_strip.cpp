#include "pelletry/frame_strip.hpp"

#include <utility>

namespace pelletry {

namespace {
const std::string kNoFrame;
}

const std::string& FrameStrip::path(std::size_t slot) const { return slot < count_ ? paths_[slot] : kNoFrame; }

std::vector<std::string> FrameStrip::paths() const {
  return {paths_.begin(), paths_.begin() + static_cast<std::ptrdiff_t>(count_)};
}

bool FrameStrip::add(std::string path) {
  if (full()) return false;
  paths_[count_++] = std::move(path);
  return true;
}

bool FrameStrip::swap(std::size_t from, std::size_t to) {
  if (from >= count_ || to >= count_) return false;
  std::swap(paths_[from], paths_[to]);
  return true;
}

bool FrameStrip::remove(std::size_t slot) {
  if (slot >= count_) return false;
  for (std::size_t i = slot; i + 1 < count_; ++i) paths_[i] = std::move(paths_[i + 1]);
  paths_[--count_].clear();
  return true;
}

void FrameStrip::clear() {
  for (auto& path : paths_) path.clear();
  count_ = 0;
}

}  // namespace pelletry
