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

// The current folder's lock, held until it is destroyed; nothing, after one
// box that names the folder, when another desk holds it. Nothing is written
// then.
std::unique_ptr<QLockFile> verrouiller_dossier(Dialogs& dialogs);

}  // namespace qx30
