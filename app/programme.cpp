#include "app/programme.h"

#include <QApplication>
#include <future>

#include "common/clock.h"
#include "window/platform/folder_lock.h"
#include "window/platform/qt_dialogs.h"
#include "window/platform/qt_launcher.h"
#include "window/platform/qt_printer.h"
#include "window/tf_qx.h"

namespace qx30 {

int programme() {
  // The lock waits for the disk while the window is made, which reads and
  // writes nothing in the folder; nothing else does before the lock is held.
  std::future<std::unique_ptr<QLockFile>> verrou_pris = std::async(std::launch::async, prendre_verrou);
  QtDialogs dialogs;
  SystemClock clock;
  QtLauncher launcher;
  QtPrinter printer;
  TF_qx F_qx(Platform{dialogs, clock, launcher, printer});
  const std::unique_ptr<QLockFile> verrou = verrou_pris.get();
  if (!verrou) {
    dossier_pris(dialogs);
    return 1;
  }
  dialogs.set_parent(&F_qx);
  // Shown first, so that a box of the start-up opens over its window; it is
  // painted once principale has done what the paint shows, and the rest of
  // the start-up follows that paint. A failing step shows its error and the
  // window stays open all the same.
  F_qx.show();
  F_qx.principale();
  return QApplication::exec();
}

}  // namespace qx30
