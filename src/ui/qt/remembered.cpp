#include "ui/qt/remembered.hpp"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace ui {

// The program's file name, not its application name: a tool may show another name in its
// message boxes, and that must not lose what it remembered.
QSettings programSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("brinkit"),
                   QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

QString rememberedFolder(const QString& key) {
  const QString folder = programSettings().value(QStringLiteral("folders/") + key).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(const QString& key, const QString& folder) {
  programSettings().setValue(QStringLiteral("folders/") + key, folder);
}

}  // namespace ui
