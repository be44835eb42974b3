// Entry point of the Qt test programs: the widgets need a QApplication before
// any test runs. QT_QPA_PLATFORM=offscreen is set by the test runner.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
