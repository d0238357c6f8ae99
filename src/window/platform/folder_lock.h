#pragma once
// One desk per working folder. A second qx30 started where one already runs
// would take the running session for one a crash left open, and the two
// desks would then drift apart: it tells the operator and stops instead. Qt's
// lock file takes over a lock whose process is gone, killed or stopped by a
// power cut, on every platform.

#include <QLockFile>
#include <memory>

#include "window/platform/dialogs.h"

namespace qx30 {

// The lock file's name in the working folder.
inline constexpr char nom_verrou[] = "qx30.lock";

// The current folder's lock, held until it is destroyed; nothing when
// another desk holds it. It opens no box, so it can be taken on another
// thread while the window is being made; it waits for the disk.
std::unique_ptr<QLockFile> prendre_verrou();

// The one box that names the folder another desk holds. Nothing is written.
void dossier_pris(Dialogs& dialogs);

}  // namespace qx30
