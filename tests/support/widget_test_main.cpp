// Widget tests need a QApplication before any widget exists.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx30"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
