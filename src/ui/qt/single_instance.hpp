#pragma once
// One running copy of a program per user: a lock file in the user's runtime folder, held while
// the program runs. A copy that crashed leaves a lock whose process is gone; the next start
// finds it stale and takes it over.
#include <QLockFile>
#include <QString>
#include <memory>

class QWidget;

namespace ui {

inline constexpr const char* kAlreadyOpen = "This application has already been open";
inline constexpr const char* kLoadErrorTitle = "ロードエラー";

// The box a second copy shows before it ends: "This application has already been open",
// titled "ロードエラー", with the exclamation icon.
void showAlreadyOpen(QWidget* parent);

class SingleInstance {
 public:
  // name: the program's own name ("netkeeper"); folder: where the lock lives (tests pass
  // their own; empty for the user's runtime or temporary folder).
  explicit SingleInstance(const QString& name, const QString& folder = {});
  // False when another running copy holds the lock.
  bool acquired() const { return acquired_; }
  QString lockPath() const { return lock_->fileName(); }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool acquired_ = false;
};

}  // namespace ui
