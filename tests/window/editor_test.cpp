// Which editor opens the lists and the help text, found without a desktop:
// a made-up path and data folder stand in for the system's.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "window_at_work.h"
#include "window/platform/qt_launcher.h"

namespace qx30 {
namespace {

void write(const QString& name, const QByteArray& text, bool executable) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
  f.close();
  if (executable) f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

TEST(FindEditor, DefaultForPlainTextElseFirstCommonEditorOnThePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString bin = dir.filePath("bin"), empty = dir.filePath("empty"), data = dir.filePath("data");
  for (const QString& d : {bin, empty, data + "/applications"}) ASSERT_TRUE(QDir().mkpath(d));
  for (const char* p : {"geany", "mousepad", "notes"}) write(bin + "/" + p, "#!/bin/sh\n", true);
  write(bin + "/gedit", "not a program", false);
  write(data + "/applications/notes.desktop",
        "[Desktop Action New]\nExec=other\n[Desktop Entry]\nName=Notes\nExec=notes --new-window %U\n", false);
  write(data + "/applications/gone.desktop", "[Desktop Entry]\nExec=gone %f\n", false);

  struct Case {
    const char* default_entry;
    QString path;
    QStringList command;
  };
  const Case cases[] = {
      {"notes.desktop", bin, {bin + "/notes", "--new-window"}},
      {"gone.desktop", empty + ":" + bin, {bin + "/mousepad"}},  // its program is not on the path
      {"absent.desktop", bin, {bin + "/mousepad"}},
      {"", bin, {bin + "/mousepad"}},
      {"", empty, {}},
      {"notes.desktop", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.default_entry) + " on " + c.path.toStdString());
    EXPECT_EQ(find_editor({c.default_entry, {dir.filePath("nothing"), data}, c.path}), c.command);
  }
}

}  // namespace
}  // namespace qx30
