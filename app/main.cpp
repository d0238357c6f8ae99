// qx30: the control desk of a radio-controlled model-flying session.
// The program takes no arguments and works in the current folder.

#include <QApplication>

#include "common/clock.h"
#include "window/platform/folder_lock.h"
#include "window/platform/qt_dialogs.h"
#include "window/platform/qt_launcher.h"
#include "window/platform/qt_printer.h"
#include "window/tf_qx.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx30"));
  QApplication::setApplicationVersion(QStringLiteral(QX30_VERSION));
  // The desktop entry's name: Wayland compositors match the window to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("fr.tarvennes.qx30"));
  qx30::QtDialogs dialogs;
  // Before anything is read or written in the folder.
  const std::unique_ptr<QLockFile> verrou = qx30::verrouiller_dossier(dialogs);
  if (!verrou) return 1;
  qx30::SystemClock clock;
  qx30::QtLauncher launcher;
  qx30::QtPrinter printer;
  qx30::TF_qx F_qx(qx30::Platform{dialogs, clock, launcher, printer});
  dialogs.set_parent(&F_qx);
  // Shown first, so that a box of the start-up opens over its window; the
  // window is painted once the start-up is done. A failing step shows its
  // error and the window stays open all the same.
  F_qx.show();
  F_qx.principale();
  return QApplication::exec();
}
