#include "storage/reprise.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "common/cp1252.h"
#include "register/fiches.h"
#include "storage/journal.h"

namespace qx30 {

namespace {

// yyyymmdd_hhnnss
bool est_nom_de_seance(std::string_view nom) {
  if (nom.size() != 15 || nom[8] != '_') return false;
  for (std::size_t i = 0; i < nom.size(); ++i)
    if (i != 8 && (nom[i] < '0' || nom[i] > '9')) return false;
  return true;
}

std::string pluriel(int n, std::string_view mot) {
  return std::to_string(n) + ' ' + std::string(mot) + (n > 1 ? "s" : "");
}

}  // namespace

std::vector<std::string> noms_du_dossier(const std::filesystem::path& dossier) {
  std::vector<std::string> noms;
  std::error_code erreur;
  for (std::filesystem::directory_iterator it(dossier, erreur), fin; !erreur && it != fin; it.increment(erreur))
    noms.push_back(it->path().filename().string());
  return noms;
}

std::string derniere_seance(const std::vector<std::string>& noms, std::string_view seance_en_cours) {
  std::string derniere;
  for (const std::string& nom : noms) {
    if (!nom.ends_with(suffixe_journal)) continue;
    const std::string seance = nom.substr(0, nom.size() - suffixe_journal.size());
    if (est_nom_de_seance(seance) && seance != seance_en_cours) derniere = std::max(derniere, seance);
  }
  return derniere;
}

bool journal_ferme(std::span<const std::uint8_t> journal) {
  const std::string_view texte(reinterpret_cast<const char*>(journal.data()), journal.size());
  // A line cut short by the crash has no CR LF.
  if (!texte.ends_with("\r\n")) return false;
  const std::string_view lignes = texte.substr(0, texte.size() - 2);
  const std::size_t debut = lignes.rfind("\r\n");
  const std::string_view derniere = debut == std::string_view::npos ? lignes : lignes.substr(debut + 2);
  // date;heure;evenement;...
  const std::size_t avant = derniere.find(';');
  const std::size_t apres = avant == std::string_view::npos ? avant : derniere.find(';', avant + 1);
  if (apres == std::string_view::npos) return false;
  return derniere.substr(apres + 1).starts_with(std::string(nom_evenement(Evenement::fermeture)) + ';');
}

std::optional<t_reprise> seance_interrompue(const std::filesystem::path& dossier,
                                            const std::vector<std::string>& noms,
                                            const t_date_heure& maintenant, FileSystem& fs) {
  const std::string aujourdhui = nom_seance(maintenant);
  const std::string seance = derniere_seance(noms, aujourdhui);
  if (seance.empty() || seance.substr(0, 8) != aujourdhui.substr(0, 8)) return std::nullopt;

  std::vector<std::uint8_t> journal;
  if (fs.lire(dossier / (seance + std::string(suffixe_journal)), Ouverture::lecture,
              std::numeric_limits<std::size_t>::max(), journal) != 0 ||
      journal_ferme(journal))
    return std::nullopt;

  t_reprise reprise{seance, dossier / (seance + std::string(suffixe_auto)), {}};
  // A run stopped before its first save left nothing to resume.
  if (std::find(noms.begin(), noms.end(), reprise.fichier.filename().string()) == noms.end())
    return std::nullopt;
  reprise.fiches = lire_seance(reprise.fichier, fs);
  if (std::none_of(reprise.fiches.begin(), reprise.fiches.end(), est_presente)) return std::nullopt;
  return reprise;
}

std::string question_reprise(const t_reprise& reprise) {
  int en_vol = 0, en_attente = 0, enregistres = 0;
  for (const t_fiche& f : reprise.fiches) {
    if (!est_presente(f)) continue;
    if (f.etat == "V") ++en_vol;
    else if (f.etat == "A") ++en_attente;
    else ++enregistres;
  }
  const std::string heure = reprise.seance.substr(9, 2) + ':' + reprise.seance.substr(11, 2);
  return cp1252(u8"La séance commencée à ") + heure + cp1252(u8" n'a pas été fermée (") +
         std::to_string(en_vol) + cp1252(u8" en évolution, ") + std::to_string(en_attente) +
         " en attente, " + pluriel(enregistres, cp1252(u8"enregistré")) + "). La reprendre ?";
}

}  // namespace qx30
