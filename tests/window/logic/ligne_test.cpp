#include "window/logic/ligne.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

TEST(Gabarit, CutsTheTemplateToMakeRoomForTheDigits) {
  struct Cas {
    std::int32_t valeur;
    const char* temps;
    const char* minutes;
    const char* evolutions;
  };
  const Cas cas[] = {
      {0, "=t000", "c000", "e000"},       {7, "=t007", "c007", "e007"},
      {42, "=t042", "c042", "e042"},      {999, "=t999", "c999", "e999"},
      {1000, "=1000", "1000", "1000"},    {12345, "12345", "12345", "12345"},
      {-1, "=t0-1", "c0-1", "e0-1"},      {-42, "=t-42", "c-42", "e-42"},
      {-999, "=-999", "-999", "-999"},    {-1000, "-1000", "-1000", "-1000"},
      {2147483647, "2147483647", "2147483647", "2147483647"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(gabarit(c.valeur, "=t000"), c.temps) << c.valeur;
    EXPECT_EQ(gabarit(c.valeur, "c000"), c.minutes) << c.valeur;
    EXPECT_EQ(gabarit(c.valeur, "e000"), c.evolutions) << c.valeur;
  }
}

TEST(LigneFiche, PiecesInOrderWithTheTimeFieldOnlyOffTheGround) {
  t_fiche f;
  f.numero = 3;
  f.freq = 35010;
  f.libelle = "35010_ROUGE equipe_Extra_";
  f.etat = "V";
  f.heure_debut = "14:05";
  f.temps_vol = 7;
  f.cumul_temps = 12;
  f.nbre_evolutions = 2;
  f.autorise = true;
  // Reasons are kept only for a refused entry.
  EXPECT_EQ(ligne_fiche(f, "-(x_1 )"), "14:05=t007_35010_ROUGE equipe_Extra_[3]c012e002");

  f.etat = "A";
  f.temps_vol = 1000;
  EXPECT_EQ(ligne_fiche(f, ""), "14:05=1000_35010_ROUGE equipe_Extra_[3]c012e002");

  f.etat = "L";
  f.heure_debut.clear();
  f.temps_vol = 0;
  EXPECT_EQ(ligne_fiche(f, ""), "35010_ROUGE equipe_Extra_[3]c012e002");

  f.autorise = false;
  f.numero = 417;
  f.cumul_temps = 1000;
  EXPECT_EQ(ligne_fiche(f, "-(d\xE9j\xE0_active_35000 )"),
            "35010_ROUGE equipe_Extra_[417]1000e002-(d\xE9j\xE0_active_35000 )");
}

}  // namespace
}  // namespace qx30
