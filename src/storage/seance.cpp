#include "storage/seance.h"

#include "common/cp1252.h"
#include "storage/texte.h"

namespace qx30 {

namespace fs = std::filesystem;

std::string nom_seance(const t_date_heure& moment) {
  // Pieces of the date-time text by position, counted from 1.
  const std::string t = texte_date_heure(moment);
  const auto piece = [&](std::size_t de, std::size_t a) { return t.substr(de - 1, a - de + 1); };
  return piece(7, 10) + piece(4, 5) + piece(1, 2) + "_" + piece(12, 13) + piece(15, 16) + piece(18, 19);
}

std::vector<std::uint8_t> octets_seance(const t_fiches& fiches) {
  std::vector<std::uint8_t> octets;
  octets.reserve(max_enregistrements * taille_fiche);
  for (int j = 1; j <= nb_places; ++j)
    if (fiches[j].numero != 0) {
      const t_octets_fiche record = encoder(fiches[j]);
      octets.insert(octets.end(), record.begin(), record.end());
    }
  return octets;
}

void save_seance(const fs::path& fichier, const t_fiches& fiches, const t_parametres& parametres,
                 const fs::path& fichier_param, FileSystem& fs) {
  remplacer_fichier(fs, fichier, octets_seance(fiches));
  save_param(parametres, fichier_param, fs);
}

namespace {

// What is wrong with a record, or nothing when this program could have
// written it.
const char8_t* defaut(std::span<const std::uint8_t, taille_fiche> r) {
  if (r[champ::etat] > champ::etat_capacite) return u8"longueur de l'état hors de son champ";
  if (r[champ::libelle] > champ::libelle_capacite) return u8"longueur du libellé hors de son champ";
  if (r[champ::heure_debut] > champ::heure_debut_capacite)
    return u8"longueur de l'heure de début hors de son champ";
  const t_fiche f = decoder(r);
  if (f.etat != "L" && f.etat != "A" && f.etat != "V") return u8"état autre que L, A ou V";
  if (f.libelle.find_first_of("[]") != std::string::npos) return u8"crochet dans le libellé";
  if (f.freq == 0 && f.etat != "L") return u8"place libre dont l'état n'est pas L";
  return nullptr;
}

[[noreturn]] void refuser(const fs::path& fichier, std::size_t enregistrement, const char8_t* motif) {
  throw SeanceInvalide(cp1252(u8"Le fichier ") + en_cp1252(fichier.filename().string()) +
                           cp1252(u8" n'est pas une séance valide : enregistrement n° ") +
                           std::to_string(enregistrement) + ", " + cp1252(motif),
                       static_cast<int>(enregistrement));
}

}  // namespace

std::vector<t_fiche> lire_seance(const fs::path& fichier, FileSystem& fs) {
  // One record more than the table holds is enough to know the file is too long.
  const auto octets = lire_fichier(fs, fichier, Ouverture::lecture, (max_enregistrements + 1) * taille_fiche);
  const std::size_t n = octets.size() / taille_fiche;  // trailing bytes are ignored
  if (n > max_enregistrements) refuser(fichier, n, u8"plus de 999 enregistrements");

  std::vector<t_fiche> fiches;
  fiches.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const std::span<const std::uint8_t, taille_fiche> record(octets.data() + k * taille_fiche,
                                                             taille_fiche);
    if (const char8_t* motif = defaut(record)) refuser(fichier, k + 1, motif);
    fiches.push_back(decoder(record));
    fiches.back().numero = static_cast<std::int32_t>(k + 1);
  }
  return fiches;
}

void charger_seance(t_fiches& fiches, const fs::path& fichier, FileSystem& fs) {
  const std::vector<t_fiche> lues = lire_seance(fichier, fs);
  // Freeing a slot clears its number only; no pass looks at the rest.
  for (int j = 1; j <= nb_places; ++j) fiches[j].numero = 0;
  for (std::size_t k = 0; k < lues.size(); ++k) fiches[static_cast<int>(k + 1)] = lues[k];
}

}  // namespace qx30
