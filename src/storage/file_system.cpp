#include "storage/file_system.h"

#include <cerrno>
#include <chrono>
#include <system_error>

#include "storage/io_error.h"

namespace qx30 {

namespace fs = std::filesystem;

fs::path dossier_de(const fs::path& fichier) {
  fs::path dossier = fichier.parent_path();
  return dossier.empty() ? fs::path(".") : dossier;
}

std::vector<std::string> SystemFileSystem::noms(const fs::path& dossier) {
  std::vector<std::string> noms;
  std::error_code erreur;
  for (fs::directory_iterator it(dossier, erreur), fin; !erreur && it != fin; it.increment(erreur))
    noms.push_back(it->path().filename().string());
  return noms;
}

int SystemFileSystem::date_modification(const fs::path& fichier, t_date_heure& moment) {
  std::error_code erreur;
  const fs::file_time_type ecrit = fs::last_write_time(fichier, erreur);
  if (erreur) {
    const std::error_condition e = erreur.default_error_condition();
    return e.category() == std::generic_category() && e.value() != 0 ? e.value() : EIO;
  }
  moment = date_heure_locale(std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(ecrit))));
  return 0;
}

namespace {

// A name is usable when it names something inside a folder: not empty and
// not ending with a separator.
bool nom_utilisable(const fs::path& fichier) { return !fichier.filename().empty(); }

}  // namespace

std::vector<std::uint8_t> lire_fichier(FileSystem& fs, const fs::path& fichier, Ouverture mode,
                                       std::size_t limite) {
  if (!nom_utilisable(fichier)) throw InOutError(code_io::nom_invalide);
  std::vector<std::uint8_t> contenu;
  if (const int erreur = fs.lire(fichier, mode, limite, contenu); erreur != 0)
    throw InOutError::depuis_errno(erreur);
  return contenu;
}

void remplacer_fichier(FileSystem& fs, const fs::path& cible, std::span<const std::uint8_t> octets) {
  if (!nom_utilisable(cible)) throw InOutError(code_io::nom_invalide);

  FileSystem::Handle handle = -1;
  fs::path temporaire;
  if (const int erreur = fs.creer_temporaire(cible, handle, temporaire); erreur != 0)
    throw InOutError::depuis_errno(erreur);

  int erreur = fs.ecrire(handle, octets);
  if (erreur == 0) erreur = fs.synchroniser(handle);
  if (const int a_la_fermeture = fs.fermer(handle); erreur == 0) erreur = a_la_fermeture;
  if (erreur == 0) erreur = fs.renommer(temporaire, cible);
  if (erreur != 0) {
    (void)fs.supprimer(temporaire);
    throw InOutError::depuis_errno(erreur);
  }
  // The new file is in place; make its name as durable as its content.
  if (const int e = fs.synchroniser_dossier(dossier_de(cible)); e != 0)
    throw InOutError::depuis_errno(e);
}

}  // namespace qx30
