#pragma once
// The Code Page menu of the windows that write texts: Japanese (932) or Western (1252).
#include <functional>

#include <QMenuBar>

#include "base/codepage.hpp"

namespace ui {

// Adds "Code Page" (mnuCodePage, with mnuCodePage932 and mnuCodePage1252) to the bar, with
// `current` ticked; choosing an entry calls onChoose.
QMenu* addCodePageMenu(QMenuBar* bar, base::CodePage current, std::function<void(base::CodePage)> onChoose);

}  // namespace ui
