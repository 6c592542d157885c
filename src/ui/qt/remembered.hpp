#pragma once
// What a program remembers between runs (the last folders used), one set per program, kept
// with QSettings under the suite's name. The window tests turn on QStandardPaths' test mode,
// so they neither read nor change the person's own settings.
#include <QSettings>
#include <QString>

namespace ui {

// The settings of the running program (recent files, folders).
QSettings programSettings();

// The folder remembered under key, or empty when none is remembered or it is gone.
QString rememberedFolder(const QString& key);
void rememberFolder(const QString& key, const QString& folder);

}  // namespace ui
