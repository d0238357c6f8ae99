// The pilots' board worked out from the session: the tiles, their reasons in
// words, the models in flight and waiting, the maximum.
#include "board/tableau.h"

#include <gtest/gtest.h>

#include "interdictions/autorisation.h"
#include "interdictions/noire.h"

namespace qx30 {
namespace {

// 35010, 41000 and 41100 in flight (41000 over the limit of 10), two waiting.
t_fiches trois_en_vol() {
  t_fiches f;
  f[1] = {"V", 7, 7, 35010, true, "35010_Vert_planeur_", 1, "14:05", 1};
  f[2] = {"V", 11, 11, 41000, true, "41000_Bleu_._", 2, "13:50", 1};
  f[3] = {"V", 0, 0, 41100, true, "41100_ROUGE equipe_Extra_", 3, "14:00", 1};
  f[4] = {"A", 3, 0, 72130, true, "72130_Jaune_._", 4, "14:02", 0};
  f[5] = {"A", 5, 0, 26000, true, "26000_azur_._", 5, "14:01", 0};
  f[6] = {"L", 0, 0, 35020, true, "35020_Gris_._", 6, "", 0};
  return f;
}

t_tableau tableau(const t_fiches& fiches, const std::vector<std::int32_t>& frequences, bool ecart20 = true,
                  int nbre_max = 5) {
  t_interdictions table;
  noire(fiches, {}, table);
  return tableau_pilotes(fiches, table, {{ecart20, true, true}, 10, nbre_max, "05/12/2026 14:07"}, frequences,
                         std::less<std::string>());
}

std::vector<std::string> noms(const t_tableau& t) {
  std::vector<std::string> n;
  for (const t_canal& c : t.canaux) n.push_back(nom_canal(c));
  return n;
}

TEST(Tableau, TilesOfThreeInFlightInWords) {
  const std::string a = "\xE0 10 kHz de ";  // "à"
  const std::string paire = "intermodulation de 41,000 et 41,100", image = "image d'" + paire;
  t_fiches fiches = trois_en_vol();  // and a 2.4 GHz model: counted in flight, no tile, forbids nothing
  fiches[7] = {"V", 1, 1, 2400000, true, "2400000_Gaston_._", 7, "14:06", 1};
  EXPECT_EQ(tableau(fiches, {}).en_vol.size(), 4u);
  EXPECT_EQ(noms(tableau(fiches, {35000, 35010, 35020, 35025, 40190, 40595, 40900, 41000, 41050, 41100, 41200,
                                  41810, 42010, 42110, 2400000})),
            (std::vector<std::string>{
                "35000 interdite " + a + "35,010", "35010 en vol Vert", "35020 interdite " + a + "35,010",
                "35025 libre", "40190 interdite image de 41,100", "40595 interdite " + image,
                "40900 interdite " + paire, "41000 en vol Bleu", "41050 interdite " + paire,
                "41100 en vol ROUGE equipe", "41200 interdite " + paire, "41810 interdite " + image,
                "42010 interdite image de 41,100", "42110 interdite " + image}));
  // Two 20 kHz apart: the midpoint forbidden by three rules, a neighbour by the margin of "Ecart 20Khz" only.
  t_fiches deux;
  deux[1] = {"V", 0, 0, 41000, true, "41000_A_._", 1, "14:00", 1};
  deux[2] = {"V", 0, 0, 41020, true, "41020_B_._", 2, "14:00", 1};
  EXPECT_EQ(noms(tableau(deux, {41010, 41030})),
            (std::vector<std::string>{
                "41010 interdite " + a + "41,000, " + a + "41,020, intermodulation de 41,000 et 41,020",
                "41030 interdite " + a + "41,020"}));
  EXPECT_EQ(noms(tableau(deux, {41010, 41030}, false)),
            (std::vector<std::string>{"41010 interdite intermodulation de 41,000 et 41,020", "41030 libre"}));
}

// Whatever the frequency, free exactly when a start on it is authorised.
TEST(Tableau, FreeExactlyWhenTheStartIsAuthorised) {
  for (const bool ecart20 : {true, false}) {
    const t_fiches fiches = trois_en_vol();
    t_interdictions table;
    noire(fiches, {}, table);
    std::vector<std::int32_t> frequences;
    for (std::int32_t f = 34000; f < 43000; ++f) frequences.push_back(f);
    const t_tableau t = tableau(fiches, frequences, ecart20);
    for (const t_canal& c : t.canaux) {
      std::string motifs;
      EXPECT_EQ(c.etat == Etat_canal::libre, auto_(table, c.freq, false, ecart20, motifs)) << c.freq;
      EXPECT_EQ(c.etat == Etat_canal::en_vol, c.freq == 35010 || c.freq == 41000 || c.freq == 41100)
          << c.freq;
    }
  }
}

TEST(Tableau, FlightsAndQueueInTheirListsOrderAndTheMaximum) {
  const t_tableau t = tableau(trois_en_vol(), {}, true, 3);
  std::vector<std::string> lignes;
  for (const auto* liste : {&t.en_vol, &t.attente})
    for (const t_ligne_pilote& l : *liste) lignes.push_back(texte_ligne(l));
  EXPECT_EQ(lignes, (std::vector<std::string>{"41,000 Bleu 11 / 10 min DEPASSEMENT TEMPS",
                                              "41,100 ROUGE equipe 0 / 10 min", "35,010 Vert 7 / 10 min",
                                              "26,000 azur 5 min", "72,130 Jaune 3 min"}));
  EXPECT_EQ(t.horloge + "|" + t.maxi, "05/12/2026 14:07|MAXIMUM ATTEINT");
  EXPECT_EQ(tableau(trois_en_vol(), {}, true, 4).maxi, "");
}

}  // namespace
}  // namespace qx30
