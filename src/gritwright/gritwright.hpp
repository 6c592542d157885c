#pragma once
// gritwright's user actions, shared by its window and its command line: choosing the surface
// and aspect bitmaps, and Make, which writes the gravel file from them and the Height and
// Length boxes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/file_io.hpp"
#include "ui/ui.hpp"

namespace gritwright {

constexpr int kVersionMajor = 0, kVersionMinor = 3, kVersionRevision = 0;

// "TQ Grit Wright      Ver 0.3.0"
std::string windowCaption();

inline constexpr const char* kOpenTitle = "OPEN";
inline constexpr const char* kBitmapFilter = "(*.bmp)|*.bmp";
inline constexpr const char* kNoSurface = "Designate Surface file";
inline constexpr const char* kNoAspect = "Designate Aspect file";
inline constexpr const char* kDefaultHeight = "57";
inline constexpr const char* kDefaultLength = "90";
inline constexpr const char* kExtension = ".grv";

enum class Side { Surface = 0, Aspect = 1 };
// "surface" / "aspect", for messages.
const char* sideName(Side side);

// The Height and Length boxes' rule: the leading number of the text (0 when there is none),
// rounded with halves to even, clamped to 0..65535.
std::uint16_t dimensionFromText(std::string_view text);

// What the window's boxes hold, as typed.
struct Boxes {
  std::string height = kDefaultHeight;
  std::string length = kDefaultLength;
  std::string output;  // the output file; the constructor presets it
};

struct MakeResult {
  ui::Outcome outcome = ui::Outcome::Cancelled;
  std::filesystem::path output;
  std::size_t bytes = 0;
};

class Gritwright {
 public:
  // The output box starts as "temp.grv" in the current folder.
  Gritwright(ui::Ui& ui, const std::filesystem::path& currentFolder);

  // A click on a path label: the "OPEN" dialog; a chosen file becomes that side's bitmap.
  ui::Outcome chooseBitmap(Side side);
  void setBitmap(Side side, const std::filesystem::path& file) { bitmaps_[index(side)] = base::displayPath(file); }
  const std::string& bitmapPath(Side side) const { return bitmaps_[index(side)]; }

  Boxes boxes;

  // Make: both bitmaps must be chosen; an existing output is replaced only when the person
  // agrees; a bitmap that cannot be read or is too short to hold its size field is named in
  // a message and nothing is written.
  MakeResult make();

 private:
  static std::size_t index(Side side) { return static_cast<std::size_t>(side); }

  ui::Ui& ui_;
  std::array<std::string, 2> bitmaps_;
};

}  // namespace gritwright
