#include "window/platform/folder_lock.h"

#include <QDir>
#include <QThread>

namespace qx30 {

std::unique_ptr<QLockFile> prendre_verrou() {
  auto verrou = std::make_unique<QLockFile>(QDir::current().absoluteFilePath(QString::fromLatin1(nom_verrou)));
  // A desk holds its lock all day: only a process that is gone frees it, never its age.
  verrou->setStaleLockTime(0);
  if (verrou->tryLock(0)) return verrou;
  // A lock that names no process was being written when the power went; one
  // being written by a desk starting now names it a moment later.
  if (verrou->error() == QLockFile::LockFailedError && !verrou->getLockInfo(nullptr, nullptr, nullptr)) {
    QThread::msleep(500);
    if (!verrou->getLockInfo(nullptr, nullptr, nullptr) && verrou->removeStaleLockFile() && verrou->tryLock(0))
      return verrou;
  }
  return nullptr;
}

void dossier_pris(Dialogs& dialogs) {
  dialogs.message(QString::fromUtf8("qx30 est déjà ouvert dans le dossier ") +
                  QDir::toNativeSeparators(QDir::currentPath()) +
                  QString::fromUtf8(" : une seule régie par dossier."));
}

}  // namespace qx30
