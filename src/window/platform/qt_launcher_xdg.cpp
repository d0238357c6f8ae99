// The editor on Linux and the other free desktops: the default application
// for plain text, else a common editor on the path.
#include <QProcess>
#include <QStandardPaths>

#include "window/platform/qt_launcher.h"

namespace qx30 {

namespace {

// The desktop's default editor for plain text, as xdg-mime tells it.
QString default_entry() {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("text/plain")});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return {};
  }
  return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

}  // namespace

QStringList editor_command() {
  return find_editor({default_entry(), QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
                      qEnvironmentVariable("PATH")});
}

}  // namespace qx30
