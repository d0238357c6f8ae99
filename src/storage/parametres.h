#pragma once
// "parametres.ini": the five colours kept from one run to the next, one
// binary record of five little-endian 32-bit values (20 bytes).

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "storage/file_system.h"

namespace qx30 {

// Colours as the window library encodes them: 0x00BBGGRR for an explicit
// colour, 0x80000000 plus an index for a system colour. Kept as they stand.
struct t_parametres {
  std::uint32_t couleur_actives = 0;  // models in flight
  std::uint32_t couleur_attente = 0;  // waiting queue
  std::uint32_t couleur_liste = 0;    // registered entries
  std::uint32_t couleur_noire = 0;    // interdictions
  std::uint32_t couleur_fond = 0;     // the window and the clock label

  bool operator==(const t_parametres&) const = default;
};

// The colours the window starts with: lime, yellow, white, sky blue and the
// system's tooltip background.
inline constexpr t_parametres parametres_par_defaut{
    0x0000FF00, 0x0000FFFF, 0x00FFFFFF, 0x00F0CAA6, 0x80000018};

inline constexpr std::size_t taille_parametres = 20;
inline constexpr const char* nom_fichier_parametres = "parametres.ini";

std::array<std::uint8_t, taille_parametres> encoder_parametres(const t_parametres& parametres);
t_parametres decoder_parametres(std::span<const std::uint8_t, taille_parametres> octets);

// Reads the first 20 bytes of the file (opened read-write: every save
// rewrites it); the rest is ignored. A missing file is "File not found", a
// shorter one "Read beyond end of file", one that may not be written "File
// access denied", all as InOutError.
t_parametres lire_param(const std::filesystem::path& fichier = nom_fichier_parametres,
                        FileSystem& fs = systeme_fichiers());

// Replaces the file by the 20 bytes of the colours, whole or not at all; a
// file that already holds exactly these bytes and may be written is kept.
void save_param(const t_parametres& parametres,
                const std::filesystem::path& fichier = nom_fichier_parametres,
                FileSystem& fs = systeme_fichiers());

}  // namespace qx30
