#include "storage/parametres.h"

#include <algorithm>
#include <vector>

#include "storage/io_error.h"

namespace qx30 {

namespace {

// Field order of the record.
constexpr std::array<std::uint32_t t_parametres::*, 5> champs = {
    &t_parametres::couleur_actives, &t_parametres::couleur_attente, &t_parametres::couleur_liste,
    &t_parametres::couleur_noire, &t_parametres::couleur_fond};

}  // namespace

std::array<std::uint8_t, taille_parametres> encoder_parametres(const t_parametres& parametres) {
  std::array<std::uint8_t, taille_parametres> octets{};
  for (std::size_t i = 0; i < champs.size(); ++i)
    for (std::size_t k = 0; k < 4; ++k)
      octets[4 * i + k] = static_cast<std::uint8_t>(parametres.*champs[i] >> (8 * k));
  return octets;
}

t_parametres decoder_parametres(std::span<const std::uint8_t, taille_parametres> octets) {
  t_parametres parametres;
  for (std::size_t i = 0; i < champs.size(); ++i) {
    std::uint32_t valeur = 0;
    for (std::size_t k = 0; k < 4; ++k) valeur |= std::uint32_t{octets[4 * i + k]} << (8 * k);
    parametres.*champs[i] = valeur;
  }
  return parametres;
}

t_parametres lire_param(const std::filesystem::path& fichier, FileSystem& fs) {
  const auto octets = lire_fichier(fs, fichier, Ouverture::lecture_ecriture, taille_parametres);
  if (octets.size() < taille_parametres) throw InOutError(code_io::lecture_au_dela);
  return decoder_parametres(std::span<const std::uint8_t, taille_parametres>(octets.data(), taille_parametres));
}

void save_param(const t_parametres& parametres, const std::filesystem::path& fichier, FileSystem& fs) {
  const auto octets = encoder_parametres(parametres);
  // Every session save ends here, and the colours seldom change: a file that
  // already holds exactly these 20 bytes is left alone, which spares two disk
  // flushes. It is read through a read-write open, so a file that may not be
  // written still goes on to the rewrite and its error.
  std::vector<std::uint8_t> actuel;
  if (!fichier.filename().empty() &&
      fs.lire(fichier, Ouverture::lecture_ecriture, taille_parametres + 1, actuel) == 0 &&
      std::equal(actuel.begin(), actuel.end(), octets.begin(), octets.end()))
    return;
  remplacer_fichier(fs, fichier, octets);
}

}  // namespace qx30
