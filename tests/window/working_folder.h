#pragma once
// A temporary working folder made current for one test, and its files.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qx30::testing {

struct WorkingFolder {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  WorkingFolder() { QDir::setCurrent(dir.path()); }
  ~WorkingFolder() { QDir::setCurrent(previous); }
};

// The layout's colours as parametres.ini holds them.
inline const QByteArray couleurs_du_layout = QByteArray::fromHex("00ff0000ffff0000ffffff00a6caf00018000080");

inline bool write_file(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray read_file(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

}  // namespace qx30::testing
