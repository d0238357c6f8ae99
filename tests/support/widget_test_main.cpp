// Widget tests need a QApplication before any widget exists.
#include <QApplication>
#include <QLockFile>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>
#include <string_view>

#include "window/platform/folder_lock.h"

int main(int argc, char** argv) {
  // The other desk of the folder-lock test: it holds the working folder's
  // lock until it is killed.
  if (argc == 2 && std::string_view(argv[1]) == "--hold-lock") {
    QLockFile lock(QString::fromLatin1(qx30::nom_verrou));
    if (!lock.tryLock(0)) return 1;
    std::puts("held");
    std::fflush(stdout);
    QThread::sleep(600);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx30"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
