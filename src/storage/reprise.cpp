#include "storage/reprise.h"

#include <algorithm>
#include <limits>

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

std::string derniere_seance(const std::vector<std::string>& noms, std::string_view seance_en_cours) {
  std::string derniere;
  for (const std::string& nom : noms) {
    if (!nom.ends_with(suffixe_journal)) continue;
    const std::string seance = nom.substr(0, nom.size() - suffixe_journal.size());
    if (est_nom_de_seance(seance) && seance != seance_en_cours) derniere = std::max(derniere, seance);
  }
  return derniere;
}

std::optional<std::string> fichier_de_fermeture(std::span<const std::uint8_t> journal) {
  const std::string_view texte(reinterpret_cast<const char*>(journal.data()), journal.size());
  // A line cut short by the crash has no CR LF.
  if (!texte.ends_with("\r\n")) return std::nullopt;
  const std::string_view lignes = texte.substr(0, texte.size() - 2);
  const std::size_t debut = lignes.rfind("\r\n");
  std::string_view derniere = debut == std::string_view::npos ? lignes : lignes.substr(debut + 2);
  // date;heure;fermeture;numero;frequence;libelle;detail, the file in the detail:
  // the close's line holds no quoted field.
  std::vector<std::string_view> champs;
  for (std::size_t fin; (fin = derniere.find(';')) != std::string_view::npos; derniere.remove_prefix(fin + 1))
    champs.push_back(derniere.substr(0, fin));
  champs.push_back(derniere);
  if (champs.size() != 7 || champs[2] != nom_evenement(Evenement::fermeture)) return std::nullopt;
  return std::string(champs[6]);
}

int minutes_d_arret(const t_reprise& reprise, const t_date_heure& maintenant) {
  const std::int64_t secondes = secondes_entre(reprise.ecrit, maintenant);
  // A clock set back since then owes nothing.
  return secondes < 0 ? 0 : static_cast<int>(std::min<std::int64_t>(secondes / 60, 1 << 30));
}

std::optional<t_reprise> seance_interrompue(const std::filesystem::path& dossier,
                                            const std::vector<std::string>& noms,
                                            const t_date_heure& maintenant, FileSystem& fs) {
  const std::string aujourdhui = nom_seance(maintenant);
  const std::string seance = derniere_seance(noms, aujourdhui);
  if (seance.empty() || seance.substr(0, 8) != aujourdhui.substr(0, 8)) return std::nullopt;

  std::vector<std::uint8_t> journal;
  if (fs.lire(dossier / (seance + std::string(suffixe_journal)), Ouverture::lecture,
              std::numeric_limits<std::size_t>::max(), journal) != 0)
    return std::nullopt;
  const std::optional<std::string> fichier_final = fichier_de_fermeture(journal);
  const std::string fichier = fichier_final.value_or(seance + std::string(suffixe_auto));
  // Only a file of the folder itself, whatever the journal says. A run
  // stopped before its first save left nothing to resume.
  if (std::find(noms.begin(), noms.end(), fichier) == noms.end()) return std::nullopt;

  t_reprise reprise{seance, dossier / fichier, {}, {}};
  reprise.fiches = lire_seance(reprise.fichier, fs);
  // A run that closed is offered back only for a model still in the air or waiting.
  const auto offerte = [&](const t_fiche& f) { return est_presente(f) && (!fichier_final || f.etat != "L"); };
  if (std::none_of(reprise.fiches.begin(), reprise.fiches.end(), offerte)) return std::nullopt;
  if (fs.date_modification(reprise.fichier, reprise.ecrit) != 0) reprise.ecrit = maintenant;
  return reprise;
}

std::string question_reprise(const t_reprise& reprise, const t_date_heure& maintenant) {
  int en_vol = 0, en_attente = 0, enregistres = 0;
  for (const t_fiche& f : reprise.fiches) {
    if (!est_presente(f)) continue;
    ++enregistres;  // as the registered count's caption counts them: every present entry
    if (f.etat == "V") ++en_vol;
    else if (f.etat == "A") ++en_attente;
  }
  const std::string heure = reprise.seance.substr(9, 2) + ':' + reprise.seance.substr(11, 2);
  return cp1252(u8"La séance commencée à ") + heure + cp1252(u8" n'a pas été fermée (") +
         std::to_string(en_vol) + cp1252(u8" en évolution, ") + std::to_string(en_attente) +
         " en attente, " + pluriel(enregistres, cp1252(u8"enregistré")) + cp1252(u8"), régie arrêtée depuis ") +
         std::to_string(minutes_d_arret(reprise, maintenant)) + " min. La reprendre ?";
}

}  // namespace qx30
