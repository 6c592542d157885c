#pragma once
// pelletry's pictures, drawn here with QPainter: the thirteen food-kind pictures, the looks of
// the picture, add-frame and preview buttons and of the trash can, the empty frame slot and
// the About picture. One style throughout: aqua water, warm food colours, soft outlines.
#include <QPixmap>

namespace pelletry::art {

inline constexpr int kKindSize = 64;
inline constexpr int kButtonWidth = 76, kButtonHeight = 58;
inline constexpr int kSlotSize = 46;

enum class Look { Normal, Pressed, Disabled };

QPixmap kindPicture(int kind);         // 0-12, kKindSize square
QPixmap pictureButton(Look look);      // Image4: normal, pressed
QPixmap addFrameButton(Look look);     // Image6: normal, pressed
QPixmap previewButton(Look look);      // Image10: disabled, enabled (Normal), pressed
QPixmap trashCan(bool highlighted);    // Image9: normal, highlighted
QPixmap blankSlot();                   // Image2(26): an empty frame slot
QPixmap blankPicture(int width, int height);  // the picture and kind displays when empty
QPixmap aboutPicture();                // the About window's picture
QPixmap programIcon();

// The water the frames are shown on (slots and preview), from top to bottom.
QColor waterTop();
QColor waterBottom();

}  // namespace pelletry::art
