#pragma once
// A temporary working folder made current for one test, and its files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace qx30::testing {

struct WorkingFolder {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  WorkingFolder() { QDir::setCurrent(dir.path()); }
  ~WorkingFolder() { QDir::setCurrent(previous); }
};

// The layout's colours as parametres.ini holds them.
inline const QByteArray couleurs_du_layout = QByteArray::fromHex("00ff0000ffff0000ffffff00a6caf00018000080");

inline void write_file(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

inline QByteArray read_file(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return "<absent>";
  return f.readAll();
}
inline QByteArray read_file(const std::string& name) { return read_file(QString::fromStdString(name)); }
inline QByteArray read_file(const char* name) { return read_file(QString::fromUtf8(name)); }

}  // namespace qx30::testing
