// The session's plain rules: entry lines, one refresh worked out from the
// table and the minute count.
#include <gtest/gtest.h>

#include "session/ligne.h"
#include "session/minute.h"
#include "session/rafraichir.h"
#include "support/fake_desk.h"

namespace qx30 {
namespace {

using Lignes = std::vector<std::string>;

TEST(Ligne, TemplatesAndPieces) {
  const std::tuple<int, const char*, const char*> cas[] = {
      {0, "=t000", "=t000"}, {7, "c000", "c007"}, {42, "e000", "e042"}, {999, "c000", "c999"},
      {1000, "=t000", "=1000"}, {1000, "c000", "1000"}, {12345, "=t000", "12345"}, {-5, "c000", "c0-5"}};
  for (const auto& [v, modele, attendu] : cas) EXPECT_EQ(gabarit(v, modele), attendu) << v << modele;
  t_fiche f{"V", 7, 12, 35010, true, "35010_ROUGE equipe_Extra_", 3, "14:05", 2};
  EXPECT_EQ(ligne_fiche(f, ""), "14:05=t007_35010_ROUGE equipe_Extra_[3]c012e002");
  f.etat = "A";
  EXPECT_EQ(ligne_fiche(f, "-(x_1 )"), "14:05=t007_35010_ROUGE equipe_Extra_[3]c012e002");  // authorised: no reasons
  f.autorise = false;
  EXPECT_EQ(ligne_fiche(f, "-(x_1 )"), "14:05=t007_35010_ROUGE equipe_Extra_[3]c012e002-(x_1 )");
  f = {"L", 0, 12, 35010, true, "35010_ROUGE equipe_Extra_", 3, "", 2};
  EXPECT_EQ(ligne_fiche(f, ""), "35010_ROUGE equipe_Extra_[3]c012e002");
}

TEST(Rafraichir, ChecksEveryPresentEntryInSlotOrder) {
  t_fiches fiches;
  fiches[1] = {"L", 0, 0, 35010, false, "35010_A_._", 1, "", 0};
  fiches[2] = {"V", 0, 0, 0, false, "", 2, "", 0};  // deleted
  fiches[3] = {"V", 11, 0, 41000, false, "41000_B_._", 3, "14:05", 1};
  fiches[4] = {"A", 2, 0, 41010, true, "41010_C_._", 4, "14:10", 0};
  fiches[5] = {"V", 3, 0, 2400000, true, "2400000_E_._", 5, "14:13", 1};
  fiches[8].freq = 35020;  // no number
  fiches[999] = {"V", 10, 1000, 72130, true, "72130_D_._", 999, "14:00", 1};
  testing::FakeDesk desk;  // its check: the calls made, and the frequencies refused
  desk.refused[41010] = "-(y_41000 )";
  const Verification verifier = [&](std::int32_t f, bool vol, std::string& m) { return desk.autoriser(f, vol, m); };
  auto r = rafraichir(fiches, verifier, 10, false);
  EXPECT_EQ(desk.checks, (std::vector<std::pair<std::int32_t, bool>>{
                             {35010, false}, {41000, true}, {41010, false}, {2400000, true}, {72130, true}}));
  EXPECT_TRUE(fiches[1].autorise && fiches[3].autorise && !fiches[4].autorise && !fiches[2].autorise);
  EXPECT_EQ(r.liste, Lignes{"35010_A_._[1]c000e000"});
  EXPECT_EQ(r.attente, Lignes{"14:10=t002_41010_C_._[4]c000e000-(y_41000 )"});
  EXPECT_EQ(r.actives, (Lignes{"14:05=t011_41000_B_._[3]c000e001", "14:13=t003_2400000_E_._[5]c000e001",
                               "14:00=t010_72130_D_._[999]1000e001"}));
  // Three in flight, one of them on 2.4 GHz, reach a maximum of 3.
  EXPECT_EQ(legendes(4, 1, static_cast<int>(r.actives.size()), 0, 3).maxi, "MAXIMUM ATTEINT");
  EXPECT_EQ(r.depassement + r.interdiction, "DEPASSEMENT TEMPS");  // 11 > 10; a refusal on the ground raises nothing
  fiches[3].temps_vol = 10;
  desk.refused[72130] = "-(x_1 )";
  r = rafraichir(fiches, verifier, 10, true);  // clock mode: registered entries counted, not listed
  EXPECT_TRUE(r.liste.empty());
  EXPECT_EQ(r.nombre_liste, 1);
  EXPECT_EQ(r.actives.back(), "14:00=t010_72130_D_._[999]1000e001-(x_1 )");
  EXPECT_EQ(r.depassement + r.interdiction, "INTERDICTIONS parmi les actifs !");
  const auto l = legendes(12, 3, 5, 13, 5);
  EXPECT_EQ(l.liste + l.attente + l.actives + l.noire + l.maxi,
            "12 enregistr\xE9(s).3 en attente.5 en \xE9volution.13 interdiction(s).MAXIMUM ATTEINT");
  EXPECT_EQ(legendes(0, 0, 4, 0, 5).maxi, "");
}

TEST(Minute, CountsWaitingAndFlyingEntries) {
  t_fiches fiches;
  EXPECT_FALSE(compter_minute(fiches));
  fiches[1] = {"A", 2, 5, 41000, true, "", 1, "", 0};
  fiches[2] = {"V", 3, 7, 0, true, "", 2, "", 0};  // counted on number and state alone
  fiches[3] = {"L", 0, 4, 41020, true, "", 3, "", 0};
  fiches[4] = {"V", 1, 1, 41030, true, "", 0, "", 0};  // no number
  fiches[999] = {"V", 0, 9, 41040, true, "", 999, "", 0};
  EXPECT_TRUE(compter_minute(fiches));
  const std::array<std::array<int, 3>, 5> attendu = {{{1, 3, 5}, {2, 4, 8}, {3, 0, 4}, {4, 1, 1}, {999, 1, 10}}};
  for (const auto& [i, temps, cumul] : attendu) {
    EXPECT_EQ(fiches[i].temps_vol, temps) << i;
    EXPECT_EQ(fiches[i].cumul_temps, cumul) << i;
  }
  EXPECT_EQ(heure_horloge("05/12/2026 14:07"), "14:07");
  EXPECT_EQ(heure_horloge("05/12/2026 1"), "1");
}

}  // namespace
}  // namespace qx30
