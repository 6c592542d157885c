#pragma once
// pelletry's user actions, shared by its window and its command line: the picture and the
// frame strip, File / New, and File / Save, which checks the boxes in a fixed order, asks
// where to save and writes the food file. Also the preview's placement and frame counter.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/codepage.hpp"
#include "pelletry/frame_strip.hpp"
#include "ui/ui.hpp"

namespace pelletry {

inline constexpr const char* kCaption = "Pelletry";
inline constexpr const char* kOpenTitle = "OPEN";
inline constexpr const char* kBitmapFilter = "(*.bmp)|*.bmp";
inline constexpr const char* kSaveTitle = "SAVE";
inline constexpr const char* kFoodFilter = "(*.fd)|*.fd";
inline constexpr const char* kNoName = "You must enter an food name.";
inline constexpr const char* kIdRange = "ID is 0 - 127";
inline constexpr const char* kIdTip = "0 - 127";
inline constexpr const char* kDefaultId = "0";
inline constexpr const char* kStripFull = "The frame strip is full: a food file takes at most 25 frames.";
// The name and memo boxes' limits in characters; the file's fields count bytes.
inline constexpr int kNameChars = 32;
inline constexpr int kMemoChars = 512;

// The chosen save name with its extension fixed: when the third character from the end is
// ".", the last three characters become ".fd"; otherwise ".fd" is appended (a.fd stays,
// a.xy → a.fd, a.bmp → a.bmp.fd, a → a.fd). Characters, not bytes, are counted.
std::filesystem::path withFoodExtension(const std::filesystem::path& chosen);

// The memo as the file stores it: every line break CR LF, as a Windows text box holds them
// (a break typed as LF alone gains its CR). Save refuses a memo of more than kMemoChars
// characters in this form, the limit the memo box keeps while typing.
std::string memoAsStored(std::string_view typed);
// The memo's length as that limit counts it: characters as stored, one beyond the basic plane
// counting two as the box counts it.
std::size_t memoCharacters(std::string_view typed);

// What the window's boxes hold, as typed (UTF-8).
struct Boxes {
  std::string name;
  std::string memo;
  std::string id = kDefaultId;
  int kind = 0;  // the kind scroll bar, 0-12
};

// Why Save stopped without a message of its own, for the command line to say.
enum class Stop { None, NoPicture, NoFrames, NoFile, Declined };

struct SaveResult {
  ui::Outcome outcome = ui::Outcome::Cancelled;
  Stop stop = Stop::None;
  std::filesystem::path output;
  std::size_t bytes = 0;
};

class Pelletry {
 public:
  explicit Pelletry(ui::Ui& ui, base::CodePage codePage = base::CodePage::Cp932) : ui_(ui), codePage_(codePage) {}

  Boxes boxes;

  // The picture button: the "OPEN" dialog; a chosen file becomes the picture.
  ui::Outcome choosePicture();
  void setPicture(std::string path) { picture_ = std::move(path); }
  const std::string& picturePath() const { return picture_; }

  // The add-frame button: the "OPEN" dialog; a chosen file joins the strip. A full strip says
  // so and opens no dialog.
  ui::Outcome addFrame();
  bool addFrame(std::string path) { return strip_.add(std::move(path)); }
  FrameStrip& strip() { return strip_; }
  const FrameStrip& strip() const { return strip_; }

  // File / New: the strip empties and the picture is forgotten; the boxes and the kind stay.
  void newFood();

  // File / Save.
  SaveResult save();

  void setCodePage(base::CodePage page) { codePage_ = page; }
  base::CodePage codePage() const { return codePage_; }
  // The channel the flow talks through, for the window's own questions.
  ui::Ui& ui() { return ui_; }

 private:
  SaveResult refuse(const std::string& text, const std::string& detail = {});

  ui::Ui& ui_;
  base::CodePage codePage_;
  std::string picture_;
  FrameStrip strip_;
};

// Twips, the window's own unit, in pixels of a 96-dpi screen (15 twips to the pixel).
int twipsToPixels(int twips);

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};

// Where the preview window goes for a main window (outer frame, pixels) and a frame size: 50
// twips right of the main window, 600 twips down, 100 twips narrower and 650 twips shorter,
// the frame centred in it. A frame wider than that widens the window to the frame, moving it
// left by half the excess from the main window's left, with the frame at its left edge; a
// taller frame likewise, its top 400 twips below the main window's top less half the excess.
struct PreviewPlacement {
  Box window;
  int pictureLeft = 0, pictureTop = 0;
  bool operator==(const PreviewPlacement&) const = default;
};
PreviewPlacement placePreview(const Box& main, int frameWidth, int frameHeight);

// The About window's top-left corner: 600 twips right of and below the main window's.
Box placeAbout(const Box& main, int width, int height);

// The preview's animation: every tick shows frame c and moves c on, back to 0 after the last
// frame. The window shows frame 0 before the first tick, so frame 0 stays up for two ticks.
class PreviewCounter {
 public:
  std::size_t tick(std::size_t frameCount);

 private:
  std::size_t next_ = 0;
};

}  // namespace pelletry
