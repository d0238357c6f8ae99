#pragma once
// Two versions of a session, a small one and a nearly full one, each as the
// table that is saved and as the bytes its files must then hold, written
// out by hand so that a torn or mixed file cannot pass for either.

#include <cstdint>

#include "outils.h"
#include "register/fiches.h"
#include "storage/parametres.h"

namespace qx30::test {

struct Version {
  int entrees;         // slots 1 to entrees, all registered on the ground
  std::int32_t freq;   // every entry's frequency
  t_parametres couleurs;
  Octets couleurs_octets;

  t_fiches table() const {
    t_fiches fiches;
    for (int j = 1; j <= entrees; ++j) fiches[j] = {"L", 0, 0, freq, false, "", j, "", 0};
    return fiches;
  }

  // Record j: state "L", frequency at 12, number at 56, everything else 0.
  Octets seance() const {
    Octets octets;
    for (int j = 1; j <= entrees; ++j) {
      Octets r(72, 0);
      r[0] = 1;
      r[1] = 'L';
      for (int k = 0; k < 4; ++k) {
        r[12 + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(freq) >> (8 * k));
        r[56 + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(j) >> (8 * k));
      }
      octets.insert(octets.end(), r.begin(), r.end());
    }
    return octets;
  }
};

// Three entries on 35010 kHz (0x88C2) with the default colours.
inline const Version version_petite{
    3, 35010, parametres_par_defaut,
    {0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
     0xFF, 0x00, 0xA6, 0xCA, 0xF0, 0x00, 0x18, 0x00, 0x00, 0x80}};

// 998 entries on 72130 kHz (0x0119C2): 71,856 bytes, long enough to be
// caught half-written; other colours.
inline const Version version_pleine{
    998, 72130, {0x00FF0000, 0x0000FF00, 0x0000FF00, 0x0000FF00, 0x0000FF00},
    {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
     0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00}};

}  // namespace qx30::test
