// The automatic save rewrites the session file at every refresh, and the
// machine can stop at any moment of it. Stopped at any step of a save and
// started again, the disk holds each file whole, the old one or the new one;
// once the save has returned, the new one. Every step is tried in turn, so
// the run is the same every time.
#include <gtest/gtest.h>

#include "faux_disque.h"
#include "storage/seance.h"

namespace qx30 {
namespace {

using testing::Octets;

// Entries 1 to n on the ground on 35010 kHz, as records written by hand.
Octets seance(int n) {
  Octets o;
  for (int j = 1; j <= n; ++j) {
    Octets r(72, 0);
    r[0] = 1, r[1] = 'L', r[12] = 0xC2, r[13] = 0x88, r[56] = static_cast<std::uint8_t>(j);
    o.insert(o.end(), r.begin(), r.end());
  }
  return o;
}

TEST(SauvegardeInterrompue, EveryStepLeavesAWholeVersion) {
  t_fiches nouvelle;
  for (int j = 1; j <= 3; ++j) nouvelle[j] = {"L", 0, 0, 35010, false, "", j, "", 0};
  const Octets anciennes_couleurs(20, 0xAA);
  const Octets nouvelles_couleurs = {0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
                                     0xFF, 0x00, 0xA6, 0xCA, 0xF0, 0x00, 0x18, 0x00, 0x00, 0x80};
  // Step 1, 2, ... until a save runs to its end, and then the machine stops.
  for (int panne = 1, finie = 0; !finie; ++panne) {
    testing::FauxDisque d;
    d.poser("s_seance_aut.dat", seance(2));
    d.poser("parametres.ini", anciennes_couleurs);
    d.panne_a = panne;
    try {
      save_seance("s_seance_aut.dat", nouvelle, parametres_par_defaut, "parametres.ini", d);
      finie = panne;
    } catch (const testing::Panne&) {
    }
    d.redemarrer();
    const auto s = d.contenu("s_seance_aut.dat");
    const auto p = d.contenu("parametres.ini");
    EXPECT_TRUE(s == seance(2) || s == seance(3)) << "stopped at step " << panne;
    EXPECT_TRUE(p == anciennes_couleurs || p == nouvelles_couleurs) << "stopped at step " << panne;
    if (finie) {
      EXPECT_EQ(s, seance(3)) << "a save that returned is on the disk";
      EXPECT_EQ(p, nouvelles_couleurs);
    }
    // What a stopped save leaves is hidden and never named like a session.
    for (const std::string& nom : d.noms())
      EXPECT_TRUE(nom == "s_seance_aut.dat" || nom == "parametres.ini" || (nom.starts_with(".") && nom.ends_with(".tmp")))
          << nom;
  }
}

}  // namespace
}  // namespace qx30
