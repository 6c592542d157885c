#pragma once
// What a window shows, as JSON, for scripts and reviews that cannot look at the screen: the
// caption and every named control and menu entry with its class, text, items, visibility and
// whether it is enabled.
#include <QByteArray>
#include <QJsonObject>

class QWidget;

namespace ui {

// {"caption": …, "class": …, "controls": [{"name", "class", "text", "items"?, "checked"?,
// "visible", "enabled"}, …]} in the order the controls were made. Visibility is as the
// control would be seen with the window shown.
QJsonObject describeWindow(const QWidget& window);
QByteArray describeWindowJson(const QWidget& window);

}  // namespace ui
