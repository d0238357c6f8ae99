// qx30: the control desk of a radio-controlled model-flying session.
// The program takes no arguments and works in the current folder.

#include <QApplication>

#include "app/programme.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx30"));
  QApplication::setApplicationVersion(QStringLiteral(QX30_VERSION));
  // The desktop entry's name: Wayland compositors match the window to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("fr.tarvennes.qx30"));
  return qx30::programme();
}
