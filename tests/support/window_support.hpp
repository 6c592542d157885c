#pragma once
// Helpers of the window tests: acting on modal dialogs, and readable QStrings in failures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <ostream>

// GoogleTest prints QStrings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace test {

namespace detail {

// Calls step every 10 ms until it returns true.
inline void poll(std::function<bool()> step) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, step = std::move(step)] {
    if (!step()) return;
    timer->stop();
    timer->deleteLater();
  });
  timer->start();
}

inline QString describeModal(QWidget* modal) {
  QString text = QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(" \"") + modal->windowTitle() + '"';
  if (auto* box = qobject_cast<QMessageBox*>(modal)) text += QStringLiteral(": ") + box->text();
  return text;
}

}  // namespace detail

// Modal dialogs block in their own event loop: this calls act with the next modal window once
// it is open, from inside that loop. A modal window still open three seconds after act fails
// the test and is closed, so that a dialog that refused to close cannot hang the tests.
inline void onNextModal(std::function<void(QWidget*)> act) {
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  detail::poll([started, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return started->elapsed() > 5000;
    act(modal);
    auto acted = std::make_shared<QElapsedTimer>();
    acted->start();
    detail::poll([acted] {
      QWidget* left = QApplication::activeModalWidget();
      if (!left) return true;
      if (acted->elapsed() < 3000) return false;
      ADD_FAILURE() << "a modal window stayed open: " << detail::describeModal(left).toStdString();
      if (auto* dialog = qobject_cast<QDialog*>(left)) dialog->reject(); else left->close();
      return false;
    });
    return true;
  });
}

// The control of a window by its object name; a missing one fails the test.
template <class T>
T* findControl(QWidget& window, const char* name) {
  auto* found = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

}  // namespace test
