#pragma once
// The frame strip: 25 slots holding the food's animation frames by path, frames 0 … n − 1 in
// use. Frames are added at the end, swapped by dragging one onto another, and deleted by
// dropping them on the trash, the later ones moving up.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace pelletry {

class FrameStrip {
 public:
  static constexpr std::size_t kSlots = 25;

  std::size_t count() const { return count_; }
  bool empty() const { return count_ == 0; }
  bool full() const { return count_ == kSlots; }
  // The frame in a slot; empty for a slot not in use.
  const std::string& path(std::size_t slot) const;
  // Only slots holding a frame can be dragged.
  bool draggable(std::size_t slot) const { return slot < count_; }
  // Frames 0 … n − 1 in order.
  std::vector<std::string> paths() const;

  // Puts the frame in slot n; a full strip stays as it is (false).
  bool add(std::string path);
  // A frame dragged from slot `from` and dropped on slot `to`: the two frames change places.
  // A drop on an empty slot does nothing (false).
  bool swap(std::size_t from, std::size_t to);
  // A frame dropped on the trash: the frames after it move up one slot (false when the slot
  // holds no frame).
  bool remove(std::size_t slot);
  // File / New: every slot empty.
  void clear();

 private:
  std::array<std::string, kSlots> paths_;
  std::size_t count_ = 0;
};

}  // namespace pelletry
