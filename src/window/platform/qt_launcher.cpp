#include "window/platform/qt_launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "window/qt_text.h"

namespace qx30 {

void QtLauncher::open_in_editor(const std::string& file_name) {
  // The launch reports nothing: when no editor starts, the program says nothing.
  const QString file = to_qt(file_name);
  const QString notepad = QStandardPaths::findExecutable(QStringLiteral("notepad.exe"));
  if (!notepad.isEmpty()) {
    QProcess::startDetached(notepad, {file});
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(file)));
}

}  // namespace qx30
