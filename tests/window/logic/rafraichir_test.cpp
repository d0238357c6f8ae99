#include "window/logic/rafraichir.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace qx30 {
namespace {

using Lignes = std::vector<std::string>;

t_fiche fiche(std::int32_t numero, const char* etat, std::int32_t freq, const char* libelle,
              const char* heure = "", std::int32_t temps_vol = 0) {
  t_fiche f;
  f.numero = numero;
  f.etat = etat;
  f.freq = freq;
  f.libelle = libelle;
  f.heure_debut = heure;
  f.temps_vol = temps_vol;
  return f;
}

// A check that refuses the frequencies it is given, with their reason group,
// and remembers what it was asked.
struct Controle {
  std::map<std::int32_t, std::string> refusees;
  std::vector<std::pair<std::int32_t, bool>> appels;

  Verification verification() {
    return [this](std::int32_t freq, bool en_vol, std::string& motifs) {
      appels.emplace_back(freq, en_vol);
      EXPECT_EQ(motifs, "");
      const auto it = refusees.find(freq);
      if (it == refusees.end()) return true;
      motifs += it->second;
      return false;
    };
  }
};

TEST(Rafraichir, ChecksEveryPresentEntryAndBuildsTheThreeLists) {
  t_fiches fiches;
  fiches[1] = fiche(1, "L", 35010, "35010_A_._");
  fiches[2] = fiche(2, "L", 0, "");  // deleted
  fiches[3] = fiche(3, "V", 41000, "41000_B_._", "14:05", 11);
  fiches[4] = fiche(4, "A", 41010, "41010_C_._", "14:10", 2);
  fiches[5] = fiche(5, "V", 72130, "72130_D_._", "14:00", 10);
  fiches[5].cumul_temps = 1000;
  fiches[5].nbre_evolutions = 1;
  fiches[7] = fiche(7, "L", 41020, "41020_E_._");
  fiches[7].autorise = true;
  fiches[8].freq = 35020;  // no number: never held an entry
  for (int i : {1, 3, 4, 5}) fiches[i].autorise = false;  // stale results

  Controle controle;
  controle.refusees[41010] = "-(d\xE9j\xE0_active_41000 )";
  controle.refusees[41020] = "-(intermod_inf_41000_41010 )";

  auto r = rafraichir(fiches, controle.verification(), 10, false);

  EXPECT_EQ(controle.appels, (std::vector<std::pair<std::int32_t, bool>>{
                                 {35010, false}, {41000, true}, {41010, false}, {72130, true},
                                 {41020, false}}));
  EXPECT_TRUE(fiches[1].autorise);
  EXPECT_TRUE(fiches[3].autorise);
  EXPECT_FALSE(fiches[4].autorise);
  EXPECT_TRUE(fiches[5].autorise);
  EXPECT_FALSE(fiches[7].autorise);
  EXPECT_FALSE(fiches[2].autorise);  // a deleted slot is left alone

  EXPECT_EQ(r.liste, (Lignes{"35010_A_._[1]c000e000",
                             "41020_E_._[7]c000e000-(intermod_inf_41000_41010 )"}));
  EXPECT_EQ(r.attente, (Lignes{"14:10=t002_41010_C_._[4]c000e000-(d\xE9j\xE0_active_41000 )"}));
  EXPECT_EQ(r.actives, (Lignes{"14:05=t011_41000_B_._[3]c000e000",
                               "14:00=t010_72130_D_._[5]1000e001"}));
  EXPECT_EQ(r.nombre_liste, 2);
  // 11 minutes against a limit of 10; refusals outside the air raise nothing.
  EXPECT_EQ(r.depassement, "DEPASSEMENT TEMPS");
  EXPECT_EQ(r.interdiction, "");

  // Clock mode: the registered list is left to the window, but still counted
  // and still checked.
  controle.appels.clear();
  fiches[3].temps_vol = 10;
  controle.refusees[72130] = "-(x_41000 )";
  r = rafraichir(fiches, controle.verification(), 10, true);
  EXPECT_EQ(controle.appels.size(), 5u);
  EXPECT_TRUE(r.liste.empty());
  EXPECT_EQ(r.nombre_liste, 2);
  EXPECT_EQ(r.attente.size(), 1u);
  EXPECT_EQ(r.actives, (Lignes{"14:05=t010_41000_B_._[3]c000e000",
                               "14:00=t010_72130_D_._[5]1000e001-(x_41000 )"}));
  EXPECT_EQ(r.depassement, "");
  EXPECT_EQ(r.interdiction, "INTERDICTIONS parmi les actifs !");
  EXPECT_FALSE(fiches[5].autorise);
}

TEST(Rafraichir, EmptyTable) {
  t_fiches fiches;
  Controle controle;
  const auto r = rafraichir(fiches, controle.verification(), 10, false);
  EXPECT_TRUE(controle.appels.empty());
  EXPECT_TRUE(r.liste.empty() && r.attente.empty() && r.actives.empty());
  EXPECT_EQ(r.depassement, "");
  EXPECT_EQ(r.interdiction, "");

  const auto l = legendes(0, 0, 0, 0, 5);
  EXPECT_EQ(l.liste, "0 enregistr\xE9(s).");
  EXPECT_EQ(l.attente, "0 en attente.");
  EXPECT_EQ(l.actives, "0 en \xE9volution.");
  EXPECT_EQ(l.noire, "0 interdiction(s).");
  EXPECT_EQ(l.maxi, "");
}

TEST(Legendes, CountsAndTheMaximum) {
  auto l = legendes(12, 3, 5, 13, 5);
  EXPECT_EQ(l.liste, "12 enregistr\xE9(s).");
  EXPECT_EQ(l.attente, "3 en attente.");
  EXPECT_EQ(l.actives, "5 en \xE9volution.");
  EXPECT_EQ(l.noire, "13 interdiction(s).");
  EXPECT_EQ(l.maxi, "MAXIMUM ATTEINT");
  EXPECT_EQ(legendes(12, 3, 4, 13, 5).maxi, "");
  // A maximum lowered below the number in flight.
  EXPECT_EQ(legendes(12, 3, 4, 13, 2).maxi, "MAXIMUM ATTEINT");
}

}  // namespace
}  // namespace qx30
