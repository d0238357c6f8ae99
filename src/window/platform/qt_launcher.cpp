#include "window/platform/qt_launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <stdexcept>

#include "window/qt_text.h"

namespace qx30 {

namespace {

QString on_path(const QString& program, const QStringList& dirs) {
  // An empty list would make Qt search the process's own path.
  if (dirs.isEmpty()) return {};
  return QStandardPaths::findExecutable(program, dirs);
}

// The Exec line of a .desktop file's main group, split into words, with
// its field codes (%f, %U, ...) left out: the file name comes last.
QStringList exec_of(const QString& desktop_file) {
  QFile file(desktop_file);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QTextStream in(&file);
  bool main_group = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith(u'[')) main_group = line == QLatin1String("[Desktop Entry]");
    else if (main_group && line.startsWith(QLatin1String("Exec="))) {
      QStringList words = QProcess::splitCommand(line.mid(5));
      words.removeIf([](const QString& w) { return w.startsWith(u'%'); });
      return words;
    }
  }
  return {};
}

}  // namespace

QStringList find_editor(const EditorSearch& where) {
  const QStringList dirs = where.path.split(u':', Qt::SkipEmptyParts);
  if (!where.default_entry.isEmpty() && !where.default_entry.contains(u'/')) {
    for (const QString& data : where.data_dirs) {
      const QString desktop_file = data + QStringLiteral("/applications/") + where.default_entry;
      if (!QFile::exists(desktop_file)) continue;
      QStringList command = exec_of(desktop_file);
      if (command.isEmpty()) break;
      const QString program =
          QDir::isAbsolutePath(command.first()) ? command.first() : on_path(command.first(), dirs);
      if (program.isEmpty() || !QFileInfo(program).isExecutable()) break;
      command.first() = program;
      return command;
    }
  }
  for (const char* name : {"gedit", "mousepad", "kate", "pluma", "xed", "geany", "featherpad", "leafpad",
                           "gnome-text-editor", "kwrite"}) {
    const QString program = on_path(QString::fromLatin1(name), dirs);
    if (!program.isEmpty()) return {program};
  }
  return {};
}

void QtLauncher::open_in_editor(const std::string& file_name) {
  const QString file = to_qt(file_name);
  QStringList command = editor_command();
  if (command.isEmpty()) throw std::runtime_error("No text editor was found to open " + file_name);
  const QString program = command.takeFirst();
  if (!QProcess::startDetached(program, command << file, QDir::currentPath()))
    throw std::runtime_error("The text editor " + from_qt(program) + " could not be started for " + file_name);
}

}  // namespace qx30
