#include "storage/listes.h"

#include <algorithm>
#include <optional>

#include "common/str_to_int.h"
#include "register/etalement.h"
#include "storage/io_error.h"
#include "storage/texte.h"

namespace qx30 {

namespace fs = std::filesystem;

FileOpenError::FileOpenError(const fs::path& fichier)
    : std::runtime_error("Cannot open file " + en_cp1252(fichier.filename().string())) {}

std::vector<std::string> lire_lignes(const fs::path& fichier, FileSystem& fs) {
  std::vector<std::uint8_t> octets;
  try {
    octets = lire_fichier(fs, fichier, Ouverture::lecture);
  } catch (const InOutError&) {
    throw FileOpenError(fichier);
  }
  return lignes_cp1252(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
}

namespace {

bool dans_une_bande(std::int32_t f) {
  if (f < 26000 || f >= 73000) return false;
  if (f >= 28000 && f < 35000) return false;
  if (f >= 36000 && f < 40000) return false;
  if (f >= 43000 && f < 72000) return false;
  return true;
}

// A 2.4 GHz line: seven digits that read a frequency of the band. Such a
// line reads below 26000 by its first five characters and never fails
// their rule, so admitting it first changes nothing for the other lines.
std::optional<std::int32_t> frequence_2_4_ghz(std::string_view item) {
  const std::string_view chiffres = item.substr(0, 7);
  if (chiffres.size() < 7 || !std::ranges::all_of(chiffres, [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const std::int32_t f = str_to_int(chiffres);
  if (!etalement_de_spectre(f)) return std::nullopt;
  return f;
}

}  // namespace

void filtrer_frequences(std::vector<std::string>& items) {
  for (std::size_t i = items.size(); i-- > 0;) {
    const std::string_view item = items[i];
    if (const auto f = frequence_2_4_ghz(item)) {
      items[i] = std::to_string(*f);
      continue;
    }
    const std::int32_t f = str_to_int(item.substr(0, 5));
    const std::int32_t d = str_to_int(item.size() >= 5 ? item.substr(4, 1) : std::string_view{});
    if (dans_une_bande(f) && (d == 0 || d == 5))
      items[i] = std::to_string(f);
    else
      items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void recharger_listes(BoiteChoix& freq, BoiteChoix& pilote, BoiteChoix& comm, const fs::path& dossier,
                      FileSystem& fs) {
  freq.vider();
  std::vector<std::string> frequences = lire_lignes(dossier / fichier_frequences, fs);
  try {
    filtrer_frequences(frequences);
  } catch (const ConvertError&) {
    freq.ajouter(frequences);
    throw;
  }
  freq.ajouter(frequences);
  freq.fixer_texte(texte_choisir);

  pilote.vider();
  pilote.ajouter(lire_lignes(dossier / fichier_pilotes, fs));
  pilote.fixer_texte(pilote_par_defaut);

  comm.vider();
  comm.ajouter(lire_lignes(dossier / fichier_commentaires, fs));
  comm.fixer_texte(commentaire_par_defaut);
}

}  // namespace qx30
