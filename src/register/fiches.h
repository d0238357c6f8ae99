#pragma once
// fiches: the table of 999 entry slots, numbered 1 to 999, and the rules that
// name an entry and find it again from the line that shows it.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "register/fiche.h"

namespace qx30 {

inline constexpr int nb_places = 999;
// Registration never fills the last slot.
inline constexpr int derniere_place_enregistrable = 998;

// The runtime's error for an index outside an array's bounds.
class RangeError : public std::runtime_error {
 public:
  RangeError() : std::runtime_error("Range check error") {}
};

class t_fiches {
 public:
  // Slot by number, 1 to 999; any other number is a RangeError.
  t_fiche& operator[](int numero);
  const t_fiche& operator[](int numero) const;

  // Every slot free and all zero, as at start and before a session load.
  void vider();

 private:
  std::array<t_fiche, nb_places> places_{};
};

// A slot holds an entry when both its number and its frequency are set; a
// deleted entry keeps its number but loses its frequency.
bool est_presente(const t_fiche& fiche);

// The lowest free slot among 1 to 998, or nothing when they are all taken.
std::optional<int> place_libre(const t_fiches& fiches);

// frequency "_" pilot (20 chars at most) "_" comment (10 at most) "_", cut to
// 38 characters, then every "[" and "]" removed so that the only brackets of
// an entry's line are those around its number.
std::string construire_libelle(std::string_view frequence, std::string_view pilote,
                               std::string_view commentaire);

// The entry number written between the first "[" and the first "]" of a list
// line; ConvertError when that text is not an integer.
std::int32_t numero_de_ligne(std::string_view ligne);

}  // namespace qx30
