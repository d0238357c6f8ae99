// The POSIX file layer: Linux and the other Unixes.
#include "storage/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace qx30 {

namespace fs = std::filesystem;

namespace {

int ouvrir(const fs::path& fichier, int drapeaux, mode_t mode = 0) {
  int fd;
  do fd = ::open(fichier.c_str(), drapeaux | O_CLOEXEC, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

int SystemFileSystem::lire(const fs::path& fichier, Ouverture mode, std::size_t limite,
                          std::vector<std::uint8_t>& contenu) {
  contenu.clear();
  const int fd = ouvrir(fichier, mode == Ouverture::lecture_ecriture ? O_RDWR : O_RDONLY);
  if (fd < 0) return errno;
  int erreur = 0;
  struct stat etat {};
  if (::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) && etat.st_size > 0)
    contenu.reserve(std::min<std::size_t>(static_cast<std::size_t>(etat.st_size), limite));
  std::uint8_t tampon[65536];
  while (contenu.size() < limite) {
    const std::size_t voulu = std::min(sizeof tampon, limite - contenu.size());
    const ssize_t lu = ::read(fd, tampon, voulu);
    if (lu < 0) {
      if (errno == EINTR) continue;
      erreur = errno;
      break;
    }
    if (lu == 0) break;
    contenu.insert(contenu.end(), tampon, tampon + lu);
  }
  if (::close(fd) != 0 && erreur == 0 && errno != EINTR) erreur = errno;
  if (erreur != 0) contenu.clear();
  return erreur;
}

int SystemFileSystem::creer_temporaire(const fs::path& cible, Handle& handle, fs::path& temporaire) {
  // The new file takes the place of the old one: it must be allowed to
  // replace it, and it keeps its permissions.
  bool existe = false;
  mode_t mode = 0666;
  struct stat etat {};
  if (::stat(cible.c_str(), &etat) == 0) {
    if (S_ISDIR(etat.st_mode)) return EISDIR;
    if (::faccessat(AT_FDCWD, cible.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    existe = true;
    mode = etat.st_mode & 07777;
  } else if (errno != ENOENT) {
    return errno;
  }

  static std::atomic<unsigned> compteur{0};
  const fs::path dossier = dossier_de(cible);
  const std::string base = "." + cible.filename().string() + "." + std::to_string(::getpid()) + ".";
  for (;;) {
    temporaire = dossier / (base + std::to_string(compteur++) + ".tmp");
    const int fd = ouvrir(temporaire, O_WRONLY | O_CREAT | O_EXCL, mode);
    if (fd >= 0) {
      // A new file gets the usual mode under the umask; a replacement keeps
      // the old file's mode exactly (best effort: the file is ours).
      if (existe) (void)::fchmod(fd, mode);
      handle = fd;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
}

int SystemFileSystem::ouvrir_ajout(const fs::path& fichier, Handle& handle, std::uintmax_t& taille) {
  const int fd = ouvrir(fichier, O_WRONLY | O_CREAT | O_APPEND, 0666);
  if (fd < 0) return errno;
  struct stat etat {};
  if (::fstat(fd, &etat) != 0) {
    const int erreur = errno;
    ::close(fd);
    return erreur;
  }
  taille = static_cast<std::uintmax_t>(etat.st_size);
  handle = fd;
  return 0;
}

int SystemFileSystem::ecrire(Handle handle, std::span<const std::uint8_t> octets) {
  while (!octets.empty()) {
    const ssize_t ecrit = ::write(handle, octets.data(), octets.size());
    if (ecrit < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (ecrit == 0) return ENOSPC;
    octets = octets.subspan(static_cast<std::size_t>(ecrit));
  }
  return 0;
}

int SystemFileSystem::synchroniser(Handle handle) {
  // The data and the size are what a reader needs; timestamps can wait.
#if defined(__linux__)
  while (::fdatasync(handle) != 0)
#else
  while (::fsync(handle) != 0)
#endif
    if (errno != EINTR) return errno;
  return 0;
}

int SystemFileSystem::fermer(Handle handle) {
  // Not retried on EINTR: the descriptor is released either way.
  if (::close(handle) != 0 && errno != EINTR) return errno;
  return 0;
}

int SystemFileSystem::renommer(const fs::path& de, const fs::path& vers) {
  return ::rename(de.c_str(), vers.c_str()) == 0 ? 0 : errno;
}

int SystemFileSystem::supprimer(const fs::path& fichier) {
  return ::unlink(fichier.c_str()) == 0 ? 0 : errno;
}

int SystemFileSystem::synchroniser_dossier(const fs::path& dossier) {
  const int fd = ouvrir(dossier, O_RDONLY | O_DIRECTORY);
  if (fd < 0) return errno;
  int erreur = 0;
  while (::fsync(fd) != 0) {
    // Some file systems cannot flush a folder; the rename stands regardless.
    if (errno == EINTR) continue;
    if (errno != EINVAL && errno != ENOTSUP) erreur = errno;
    break;
  }
  ::close(fd);
  return erreur;
}

FileSystem& systeme_fichiers() {
  static SystemFileSystem posix;
  return posix;
}

}  // namespace qx30
