#include "ui/qt/single_instance.hpp"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "ui/qt/language_switch.hpp"

namespace ui {

SingleInstance::SingleInstance(const QString& name, const QString& folder) {
  QString where = folder;
  if (where.isEmpty()) where = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (where.isEmpty()) where = QDir::tempPath();
  QDir().mkpath(where);
  lock_ = std::make_unique<QLockFile>(QDir(where).filePath(name + QStringLiteral(".lock")));
  // Held for as long as the program runs: never stale by age, only when its process is gone.
  lock_->setStaleLockTime(0);
  acquired_ = lock_->tryLock(0);
}

void showAlreadyOpen(QWidget* parent) {
  QMessageBox box(QMessageBox::Warning, translatedText(kLoadErrorTitle), translatedText(kAlreadyOpen), QMessageBox::Ok,
                  parent);
  box.exec();
}

}  // namespace ui
