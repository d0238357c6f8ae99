// The Windows file layer. Names are wide (UTF-16) all the way down, so a
// folder such as "Séances d'été" works whatever the ANSI code page. Files are
// opened in binary mode: the C runtime's text mode would rewrite CR LF.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <string>

#include "storage/file_system.h"

namespace qx30 {

namespace fs = std::filesystem;

namespace {

int ouvrir(const fs::path& fichier, int drapeaux, int mode = _S_IREAD | _S_IWRITE) {
  return ::_wopen(fichier.c_str(), drapeaux | _O_BINARY | _O_NOINHERIT, mode);
}

// The errno value of a failed Windows call, as the C runtime would give it.
int errno_de(DWORD erreur) {
  switch (erreur) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return EINVAL;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    default: return EIO;
  }
}

}  // namespace

int SystemFileSystem::lire(const fs::path& fichier, Ouverture mode, std::size_t limite,
                            std::vector<std::uint8_t>& contenu) {
  contenu.clear();
  const int fd = ouvrir(fichier, mode == Ouverture::lecture_ecriture ? _O_RDWR : _O_RDONLY);
  if (fd < 0) return errno;
  int erreur = 0;
  struct _stat64 etat {};
  if (::_fstat64(fd, &etat) == 0 && (etat.st_mode & _S_IFREG) && etat.st_size > 0)
    contenu.reserve(std::min<std::size_t>(static_cast<std::size_t>(etat.st_size), limite));
  std::uint8_t tampon[65536];
  while (contenu.size() < limite) {
    const std::size_t voulu = std::min(sizeof tampon, limite - contenu.size());
    const int lu = ::_read(fd, tampon, static_cast<unsigned>(voulu));
    if (lu < 0) {
      erreur = errno;
      break;
    }
    if (lu == 0) break;
    contenu.insert(contenu.end(), tampon, tampon + lu);
  }
  if (::_close(fd) != 0 && erreur == 0) erreur = errno;
  if (erreur != 0) contenu.clear();
  return erreur;
}

int SystemFileSystem::creer_temporaire(const fs::path& cible, Handle& handle, fs::path& temporaire) {
  // The new file takes the place of the old one: it must be allowed to
  // replace it. A read-only file is refused here, not at the rename.
  struct _stat64 etat {};
  if (::_wstat64(cible.c_str(), &etat) == 0) {
    if (etat.st_mode & _S_IFDIR) return EISDIR;
    if (::_waccess(cible.c_str(), 2) != 0) return errno;
  } else if (errno != ENOENT) {
    return errno;
  }

  static std::atomic<unsigned> compteur{0};
  const fs::path dossier = dossier_de(cible);
  const std::wstring base =
      L"." + cible.filename().wstring() + L"." + std::to_wstring(::GetCurrentProcessId()) + L".";
  for (;;) {
    temporaire = dossier / (base + std::to_wstring(compteur++) + L".tmp");
    const int fd = ouvrir(temporaire, _O_WRONLY | _O_CREAT | _O_EXCL);
    if (fd >= 0) {
      handle = fd;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
}

int SystemFileSystem::ouvrir_ajout(const fs::path& fichier, Handle& handle, std::uintmax_t& taille) {
  const int fd = ouvrir(fichier, _O_WRONLY | _O_CREAT | _O_APPEND);
  if (fd < 0) return errno;
  struct _stat64 etat {};
  if (::_fstat64(fd, &etat) != 0) {
    const int erreur = errno;
    ::_close(fd);
    return erreur;
  }
  taille = static_cast<std::uintmax_t>(etat.st_size);
  handle = fd;
  return 0;
}

int SystemFileSystem::ecrire(Handle handle, std::span<const std::uint8_t> octets) {
  while (!octets.empty()) {
    const unsigned voulu = static_cast<unsigned>(std::min<std::size_t>(octets.size(), INT_MAX));
    const int ecrit = ::_write(handle, octets.data(), voulu);
    if (ecrit < 0) return errno;
    if (ecrit == 0) return ENOSPC;
    octets = octets.subspan(static_cast<std::size_t>(ecrit));
  }
  return 0;
}

int SystemFileSystem::synchroniser(Handle handle) {
  // FlushFileBuffers on the file's handle.
  return ::_commit(handle) == 0 ? 0 : errno;
}

int SystemFileSystem::fermer(Handle handle) { return ::_close(handle) == 0 ? 0 : errno; }

int SystemFileSystem::renommer(const fs::path& de, const fs::path& vers) {
  // The C runtime's rename refuses an existing target.
  if (::MoveFileExW(de.c_str(), vers.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  return errno_de(::GetLastError());
}

int SystemFileSystem::supprimer(const fs::path& fichier) {
  return ::_wunlink(fichier.c_str()) == 0 ? 0 : errno;
}

int SystemFileSystem::synchroniser_dossier(const fs::path&) { return 0; }

FileSystem& systeme_fichiers() {
  static SystemFileSystem windows;
  return windows;
}

}  // namespace qx30
