// The editor on Windows: Notepad, found by the system where Windows keeps it.
#include "window/platform/qt_launcher.h"

namespace qx30 {

void prepare_editor_command() {}

QStringList editor_command() { return {QStringLiteral("notepad.exe")}; }

}  // namespace qx30
