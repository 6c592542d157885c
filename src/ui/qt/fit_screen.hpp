#pragma once
// Windows that fit the screen they open on: at double scale, or on a small screen, a dialog
// taller or wider than the screen's free area would hide its OK button beyond the edge.
#include <QRect>

class QObject;
class QWidget;

namespace ui {

// When the window's preferred size (with room for its frame) exceeds the free area of its
// screen, its content moves into a scroll area and the window is made to fit that area, placed
// inside it; a window that fits is left exactly as it is. Safe to call again.
void fitOnScreen(QWidget* dialogOrWindow);
// The same, against a given free area (in the window's own logical pixels).
void fitWithin(QWidget* dialogOrWindow, const QRect& available);

// Calls fitOnScreen for every window of the program as it is first shown (message boxes and
// Qt's own file dialogs excepted: they size themselves). Installed once per program.
void fitEveryWindowOnScreen();

}  // namespace ui
