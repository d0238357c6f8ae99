#include "register/fiches.h"

#include <algorithm>
#include <utility>

#include "common/str_to_int.h"

namespace qx30 {

t_fiche& t_fiches::operator[](int numero) {
  return const_cast<t_fiche&>(std::as_const(*this)[numero]);
}

const t_fiche& t_fiches::operator[](int numero) const {
  if (numero < 1 || numero > nb_places) throw RangeError();
  return places_[static_cast<std::size_t>(numero - 1)];
}

void t_fiches::vider() { places_.fill(t_fiche{}); }

bool est_presente(const t_fiche& fiche) { return fiche.numero != 0 && fiche.freq != 0; }

std::optional<int> place_libre(const t_fiches& fiches) {
  for (int j = 1; j <= derniere_place_enregistrable; ++j)
    if (fiches[j].numero == 0 || fiches[j].freq == 0) return j;
  return std::nullopt;
}

std::string construire_libelle(std::string_view frequence, std::string_view pilote,
                               std::string_view commentaire) {
  std::string libelle = std::string(frequence) + "_" + std::string(pilote.substr(0, 20)) + "_" +
                        std::string(commentaire.substr(0, 10)) + "_";
  libelle.resize(std::min(libelle.size(), champ::libelle_capacite));
  std::erase(libelle, '[');
  std::erase(libelle, ']');
  return libelle;
}

std::int32_t numero_de_ligne(std::string_view ligne) {
  // Positions counted from 1 as in the line's own rule; a missing bracket
  // counts as position 0, which leaves an empty or leading text to convert.
  const auto position = [&](char c) {
    const auto at = ligne.find(c);
    return at == std::string_view::npos ? std::ptrdiff_t{0} : static_cast<std::ptrdiff_t>(at) + 1;
  };
  const std::ptrdiff_t p = position('[');
  const std::ptrdiff_t q = position(']');
  const std::ptrdiff_t count = q - p - 1;
  std::string_view nombre;
  if (count > 0) nombre = ligne.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(count));
  return str_to_int(nombre);
}

}  // namespace qx30
