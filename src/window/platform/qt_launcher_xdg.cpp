// The editor on Linux and the other free desktops: the default application
// for plain text, else a common editor on the path.
#include <QProcess>
#include <QStandardPaths>
#include <future>

#include "window/platform/qt_launcher.h"

namespace qx30 {

namespace {

// The desktop's default editor for plain text, as xdg-mime tells it.
QString ask_xdg_mime() {
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

// xdg-mime can take seconds: it is asked once, in the background from the
// window's first paint, and only a click that comes before its answer waits
// for it.
const std::shared_future<QString>& default_entry() {
  static const std::shared_future<QString> answer = std::async(std::launch::async, ask_xdg_mime).share();
  return answer;
}

}  // namespace

void prepare_editor_command() { default_entry(); }

QStringList editor_command() {
  return find_editor({default_entry().get(),
                      QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
                      qEnvironmentVariable("PATH")});
}

}  // namespace qx30
