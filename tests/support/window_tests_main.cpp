// The window tests need one QApplication for all of them; they run offscreen unless told
// otherwise, and with settings of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/window_fonts.hpp"

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform complains about every window with a size constraint; the complaint
// says nothing about the code under test.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
  qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  test::useFontsBesideTheTests(argv[0]);
  qtDefaultHandler = qInstallMessageHandler(quietHandler);
  // What the windows remember never reaches the person's own settings.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  // One settings folder per test process: tests that run at the same time never share a file.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
