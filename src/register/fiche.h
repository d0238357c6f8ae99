#pragma once
// t_fiche: one entry of the session register, and its 72-byte record, which
// is also the record of the session files.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace qx30 {

struct t_fiche {
  std::string etat;             // "L" registered, "A" waiting, "V" in flight
  std::int32_t temps_vol = 0;   // minutes in the current waiting or flight state
  std::int32_t cumul_temps = 0; // minutes flown since registration or the last reset
  std::int32_t freq = 0;        // kHz; 0 marks a free slot
  bool autorise = false;        // result of the latest authorisation check
  std::string libelle;          // frequency_pilot_comment_, never a bracket
  std::int32_t numero = 0;      // slot index; 0: no entry since the table was emptied
  std::string heure_debut;      // hh:nn on entering "A" or "V", empty while "L"
  std::int32_t nbre_evolutions = 0;

  bool operator==(const t_fiche&) const = default;
};

inline constexpr std::size_t taille_fiche = 72;
using t_octets_fiche = std::array<std::uint8_t, taille_fiche>;

// Where each field sits in the record, and the capacity of each text.
namespace champ {
inline constexpr std::size_t etat = 0, etat_capacite = 3;
inline constexpr std::size_t temps_vol = 4;
inline constexpr std::size_t cumul_temps = 8;
inline constexpr std::size_t freq = 12;
inline constexpr std::size_t autorise = 16;
inline constexpr std::size_t libelle = 17, libelle_capacite = 38;
inline constexpr std::size_t numero = 56;
inline constexpr std::size_t heure_debut = 60, heure_debut_capacite = 5;
inline constexpr std::size_t nbre_evolutions = 68;
}  // namespace champ

// Little-endian, texts as a length byte and their characters. A text longer
// than its field is cut to the field; bytes not significant are written as 0.
t_octets_fiche encoder(const t_fiche& fiche);

// Reads a record. Bytes beyond a text's stored length are ignored; a length
// byte larger than its field is read as the whole field (the session loader
// refuses such records before they get here).
t_fiche decoder(std::span<const std::uint8_t, taille_fiche> octets);

}  // namespace qx30
