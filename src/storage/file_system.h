#pragma once
// The file system as the persistence code uses it: whole-file reads, and
// replacing a file by writing a temporary file beside it, flushing it to disk
// and renaming it over the target, so that a file is always either the old
// one or the new one, never a truncated mix. Every step goes through
// FileSystem, so a test can make any step fail (a full disk, a refused rename).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "common/date_heure.h"

namespace qx30 {

enum class Ouverture {
  lecture,           // a file only read: the text files, a session file
  lecture_ecriture,  // the colours file, which every save rewrites, is opened
                     // read-write also to be read, so a read-only one is refused
};

// Each operation returns 0 or the errno value of its failure.
class FileSystem {
 public:
  using Handle = int;

  virtual ~FileSystem() = default;

  // Reads the file from its start, at most `limite` bytes, into `contenu`.
  virtual int lire(const std::filesystem::path& fichier, Ouverture mode, std::size_t limite,
                   std::vector<std::uint8_t>& contenu) = 0;

  // Creates a new empty file in the target's folder, under a name of its own
  // that no other file has, to be renamed over `cible` once written. An
  // existing target that this process may not write is refused (EACCES), as
  // is a target that is a folder (EISDIR).
  virtual int creer_temporaire(const std::filesystem::path& cible, Handle& handle,
                               std::filesystem::path& temporaire) = 0;

  // Opens a file for appending, creating it when it is missing; `taille` is
  // its length at opening. Every write then goes to its end.
  virtual int ouvrir_ajout(const std::filesystem::path& fichier, Handle& handle, std::uintmax_t& taille) = 0;

  // Writes every byte; a write that makes no progress is ENOSPC.
  virtual int ecrire(Handle handle, std::span<const std::uint8_t> octets) = 0;

  // Flushes the file's data to the disk.
  virtual int synchroniser(Handle handle) = 0;

  virtual int fermer(Handle handle) = 0;

  // Replaces `vers` by `de` in one step.
  virtual int renommer(const std::filesystem::path& de, const std::filesystem::path& vers) = 0;

  virtual int supprimer(const std::filesystem::path& fichier) = 0;

  // Flushes a folder's entries (a rename inside it) to the disk.
  virtual int synchroniser_dossier(const std::filesystem::path& dossier) = 0;

  // The names of the files in a folder; none when it cannot be read.
  virtual std::vector<std::string> noms(const std::filesystem::path& dossier) = 0;

  // When the file was last written, in local time.
  virtual int date_modification(const std::filesystem::path& fichier, t_date_heure& moment) = 0;
};

// The operating system's files, one source file per platform:
// file_system_posix.cpp (POSIX calls) and file_system_windows.cpp (the C
// runtime's calls on wide-character names, in binary mode; the rename is
// MoveFileExW, which replaces an existing file and returns once the move is
// on the disk; Windows has no folder flush, so synchroniser_dossier does
// nothing). Errors are errno values on both.
class SystemFileSystem : public FileSystem {
 public:
  int lire(const std::filesystem::path& fichier, Ouverture mode, std::size_t limite,
           std::vector<std::uint8_t>& contenu) override;
  int creer_temporaire(const std::filesystem::path& cible, Handle& handle,
                       std::filesystem::path& temporaire) override;
  int ouvrir_ajout(const std::filesystem::path& fichier, Handle& handle, std::uintmax_t& taille) override;
  int ecrire(Handle handle, std::span<const std::uint8_t> octets) override;
  int synchroniser(Handle handle) override;
  int fermer(Handle handle) override;
  int renommer(const std::filesystem::path& de, const std::filesystem::path& vers) override;
  int supprimer(const std::filesystem::path& fichier) override;
  int synchroniser_dossier(const std::filesystem::path& dossier) override;
  // Both in file_system.cpp: the standard library's own calls serve both platforms.
  std::vector<std::string> noms(const std::filesystem::path& dossier) override;
  int date_modification(const std::filesystem::path& fichier, t_date_heure& moment) override;
};

// The folder a file name is in: "." for a bare name.
std::filesystem::path dossier_de(const std::filesystem::path& fichier);

// The one file system of the process, the platform's.
FileSystem& systeme_fichiers();

// Reads a whole file (at most `limite` bytes); a failure is an InOutError.
// An empty name is "Invalid filename".
std::vector<std::uint8_t> lire_fichier(FileSystem& fs, const std::filesystem::path& fichier,
                                       Ouverture mode,
                                       std::size_t limite = std::numeric_limits<std::size_t>::max());

// Replaces the content of `cible` by `octets`: temporary file, write, flush,
// close, rename over the target, flush the folder. On any failure the
// temporary file is removed, the target is left as it was and the failure is
// thrown as an InOutError. An empty name is "Invalid filename". Should only
// the final flush of the folder fail, the new content is already in place
// and the error is still thrown.
void remplacer_fichier(FileSystem& fs, const std::filesystem::path& cible,
                       std::span<const std::uint8_t> octets);

}  // namespace qx30
