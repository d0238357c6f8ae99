#include "interdictions/autorisation.h"

#include <gtest/gtest.h>

#include <random>

#include "en_vol.h"
#include "interdictions/noire.h"
#include "register/cp1252.h"

namespace qx30 {
namespace {

using testing::en_vol;

// The check as a start asks it: the entry is not in flight, and the reasons
// follow the frequency and " interdite : ".
struct Resultat {
  bool autorisation;
  std::string texte_motifs;
};

Resultat depart(const t_interdictions& table, std::int32_t freq, bool ecart20) {
  std::string texte = std::to_string(freq) + " interdite : ";
  const bool autorisation = auto_(table, freq, false, ecart20, texte);
  return {autorisation, texte};
}

// The check as the refresh asks it, with an empty reasons text.
Resultat rafraichir(const t_interdictions& table, std::int32_t freq, bool teste_en_vol, bool ecart20) {
  std::string texte;
  const bool autorisation = auto_(table, freq, teste_en_vol, ecart20, texte);
  return {autorisation, texte};
}

t_interdictions reconstruire(const t_fiches& fiches, options_noire options = {}) {
  t_interdictions table;
  noire(fiches, options, table);
  return table;
}

// 41000 in a lower slot, 41020 in a higher one, every option on.
t_interdictions exemple() {
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  en_vol(fiches, 2, 41020);
  return reconstruire(fiches);
}

std::string repeter(const std::string& groupe, int fois) {
  std::string texte;
  for (int k = 0; k < fois; ++k) texte += groupe;
  return texte;
}

// --- the two-frequency example -------------------------------------------

TEST(Auto, StartsAgainstTheTwoFrequencyExample) {
  const t_interdictions table = exemple();

  Resultat r = depart(table, 41010, true);
  EXPECT_FALSE(r.autorisation);
  EXPECT_EQ(r.texte_motifs, cp1252(u8"41010 interdite : -(déjà_active_41000 )-(déjà_active_41020 )"
                                   u8"-(sera_intermod_41020_41000 )"));

  r = depart(table, 41010, false);
  EXPECT_FALSE(r.autorisation);
  EXPECT_EQ(r.texte_motifs, "41010 interdite : -(sera_intermod_41020_41000 )");

  r = depart(table, 41030, true);
  EXPECT_FALSE(r.autorisation);
  EXPECT_EQ(r.texte_motifs, cp1252(u8"41030 interdite : -(déjà_active_41020 )"));

  r = depart(table, 41030, false);
  EXPECT_TRUE(r.autorisation);
  EXPECT_EQ(r.texte_motifs, "41030 interdite : ");

  for (const bool ecart20 : {true, false}) {
    r = depart(table, 41046, ecart20);
    EXPECT_FALSE(r.autorisation);
    EXPECT_EQ(r.texte_motifs, "41046 interdite : -(intermod_sup_41020_41000 )");

    r = depart(table, 41047, ecart20);
    EXPECT_TRUE(r.autorisation);
    EXPECT_EQ(r.texte_motifs, "41047 interdite : ");

    r = depart(table, 40985, ecart20);
    EXPECT_FALSE(r.autorisation);
    EXPECT_EQ(r.texte_motifs, "40985 interdite : -(intermod_inf_41020_41000 )");
  }
}

TEST(Auto, EachFrequencyInFlightPassesItsOwnCheck) {
  const t_interdictions table = exemple();
  for (const bool ecart20 : {true, false}) {
    EXPECT_TRUE(rafraichir(table, 41000, true, ecart20).autorisation);
    EXPECT_TRUE(rafraichir(table, 41020, true, ecart20).autorisation);
  }
}

// --- tolerances ----------------------------------------------------------

TEST(Auto, AFrequencyInFlightForbids12AroundWithEcart20And6Without) {
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  const t_interdictions table = reconstruire(fiches);
  const std::string groupe = cp1252(u8"-(déjà_active_41000 )");
  EXPECT_EQ(rafraichir(table, 41012, false, true).texte_motifs, groupe);
  EXPECT_EQ(rafraichir(table, 40988, false, true).texte_motifs, groupe);
  EXPECT_TRUE(rafraichir(table, 41013, false, true).autorisation);
  EXPECT_TRUE(rafraichir(table, 40987, false, true).autorisation);

  EXPECT_EQ(rafraichir(table, 41006, false, false).texte_motifs, groupe);
  EXPECT_EQ(rafraichir(table, 40994, false, false).texte_motifs, groupe);
  EXPECT_TRUE(rafraichir(table, 41007, false, false).autorisation);
  EXPECT_TRUE(rafraichir(table, 40993, false, false).autorisation);

  // Its images follow the same tolerance.
  EXPECT_EQ(rafraichir(table, 40078, false, true).texte_motifs, "-(est_freq_image_de_41000 )");
  EXPECT_TRUE(rafraichir(table, 40077, false, true).autorisation);
  EXPECT_EQ(rafraichir(table, 41916, false, false).texte_motifs, "-(sera_freq_image_de_41000 )");
  EXPECT_TRUE(rafraichir(table, 41917, false, false).autorisation);
}

TEST(Auto, PairEntriesForbid6AroundAndTheMidpoint4) {
  // 41000 and 41100: 40900 and 41200 the products, 41050 the midpoint, 41810
  // and 42110 their images, 40595 the image intermodulation, 42110 again.
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  en_vol(fiches, 2, 41100);
  const t_interdictions table = reconstruire(fiches);
  for (const bool ecart20 : {true, false}) {
    EXPECT_EQ(rafraichir(table, 41054, false, ecart20).texte_motifs, "-(sera_intermod_41100_41000 )");
    EXPECT_EQ(rafraichir(table, 41046, false, ecart20).texte_motifs, "-(sera_intermod_41100_41000 )");
    EXPECT_TRUE(rafraichir(table, 41055, false, ecart20).autorisation);
    EXPECT_TRUE(rafraichir(table, 41045, false, ecart20).autorisation);

    EXPECT_EQ(rafraichir(table, 40894, false, ecart20).texte_motifs, "-(intermod_inf_41100_41000 )");
    EXPECT_TRUE(rafraichir(table, 40893, false, ecart20).autorisation);
    EXPECT_EQ(rafraichir(table, 41816, false, ecart20).texte_motifs, "-(freq_img=intermod_inf_41100_41000 )");
    EXPECT_TRUE(rafraichir(table, 41817, false, ecart20).autorisation);
    EXPECT_EQ(rafraichir(table, 40601, false, ecart20).texte_motifs, "-(intermod_inf_41000=freq_img_de_41100 )");
    EXPECT_TRUE(rafraichir(table, 40602, false, ecart20).autorisation);
  }
  // Rows 5 and 7 forbid the same frequency: two groups, in slot order.
  EXPECT_EQ(rafraichir(table, 42116, false, true).texte_motifs,
            "-(freq_img=intermod_sup_41100_41000 )-(intermod_sup_41100=freq_img_de_41000 )");
  EXPECT_TRUE(rafraichir(table, 42117, false, true).autorisation);
}

TEST(Auto, PrefixesAreComparedExactlyOverNineCharacters) {
  t_interdictions table;
  table.ajouter(41000, 1, "sera_int");   // 8 characters: no prefix
  table.ajouter(42000, 2, "Sera_inter");  // case matters
  table.ajouter(43000, 3, "intermod");   // 8 characters
  table.ajouter(44000, 4, "freq_img_");  // "_" is not "="
  table.ajouter(45000, 5, "freq_img=");  // exactly the prefix
  for (const std::int32_t base : {41000, 42000, 43000, 44000}) {
    EXPECT_FALSE(rafraichir(table, base + 12, false, true).autorisation) << base;
    EXPECT_TRUE(rafraichir(table, base + 13, false, true).autorisation) << base;
    EXPECT_FALSE(rafraichir(table, base + 6, false, false).autorisation) << base;
    EXPECT_TRUE(rafraichir(table, base + 7, false, false).autorisation) << base;
  }
  EXPECT_EQ(rafraichir(table, 45006, false, true).texte_motifs, "-(freq_img=_5 )");
  EXPECT_TRUE(rafraichir(table, 45007, false, true).autorisation);
}

// --- the exemption -------------------------------------------------------

TEST(Auto, TwoEntriesInFlightOnOneFrequencyDoNotFlagEachOther) {
  t_fiches fiches;
  en_vol(fiches, 2, 41000);
  en_vol(fiches, 5, 41000);
  const t_interdictions table = reconstruire(fiches);
  const Resultat en_vol_aussi = rafraichir(table, 41000, true, true);
  EXPECT_TRUE(en_vol_aussi.autorisation);
  EXPECT_EQ(en_vol_aussi.texte_motifs, "");
  // A third entry on the ground on that frequency may not start.
  const Resultat au_sol = rafraichir(table, 41000, false, true);
  EXPECT_FALSE(au_sol.autorisation);
  EXPECT_EQ(au_sol.texte_motifs, cp1252(u8"-(déjà_active_41000 )-(déjà_active_41000 )"));
}

TEST(Auto, TheExemptionNeedsTheExactFrequency) {
  // With case_ecart20 checked, two entries 10 apart flag each other.
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  en_vol(fiches, 2, 41010);
  const t_interdictions table = reconstruire(fiches);
  EXPECT_EQ(rafraichir(table, 41000, true, true).texte_motifs, cp1252(u8"-(déjà_active_41010 )"));
  EXPECT_EQ(rafraichir(table, 41010, true, true).texte_motifs, cp1252(u8"-(déjà_active_41000 )"));
  EXPECT_TRUE(rafraichir(table, 41000, true, false).autorisation);
  EXPECT_TRUE(rafraichir(table, 41010, true, false).autorisation);
}

TEST(Auto, TheExemptionReadsSixCharactersOfTheMotif) {
  t_interdictions table;
  table.ajouter(41000, 1, cp1252(u8"déjà_"));
  table.ajouter(42000, 2, cp1252(u8"déjà_a"));
  table.ajouter(43000, 3, cp1252(u8"déjà_autre"));
  EXPECT_EQ(rafraichir(table, 41000, true, true).texte_motifs, cp1252(u8"-(déjà__1 )"));
  EXPECT_TRUE(rafraichir(table, 42000, true, true).autorisation);
  EXPECT_TRUE(rafraichir(table, 43000, true, true).autorisation);
  // Only for an entry in flight, and only on the frequency itself.
  EXPECT_EQ(rafraichir(table, 42000, false, true).texte_motifs, cp1252(u8"-(déjà_a_2 )"));
  EXPECT_EQ(rafraichir(table, 43001, true, true).texte_motifs, cp1252(u8"-(déjà_autre_3 )"));
}

TEST(Auto, AMidpointWithinFourOfBothFlagsBothEntriesInFlight) {
  // Without case_ecart20, 41008 may start beside 41000 ...
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  EXPECT_TRUE(depart(reconstruire(fiches), 41008, false).autorisation);
  // ... and once it flies, their midpoint 41004 lies 4 from each.
  en_vol(fiches, 2, 41008);
  const t_interdictions table = reconstruire(fiches);
  for (const std::int32_t freq : {41000, 41008}) {
    const Resultat r = rafraichir(table, freq, true, false);
    EXPECT_FALSE(r.autorisation) << freq;
    EXPECT_EQ(r.texte_motifs, "-(sera_intermod_41008_41000 )") << freq;
  }
}

// --- unusual frequencies and cleared slots -------------------------------

TEST(Auto, NegativeImageFrequenciesForbidAroundThemselves) {
  t_fiches fiches;
  en_vol(fiches, 1, 100);
  en_vol(fiches, 2, 107);
  const t_interdictions table = reconstruire(fiches);  // images -810 and -803
  EXPECT_EQ(rafraichir(table, -805, false, true).texte_motifs,
            "-(est_freq_image_de_100 )-(est_freq_image_de_107 )");
  EXPECT_EQ(rafraichir(table, -822, false, true).texte_motifs, "-(est_freq_image_de_100 )");
  EXPECT_TRUE(rafraichir(table, -823, false, true).autorisation);
  EXPECT_EQ(rafraichir(table, -358, false, true).texte_motifs, "-(intermod_inf_100=freq_img_de__107 )");
  EXPECT_TRUE(rafraichir(table, -359, false, true).autorisation);
}

TEST(Auto, ClearedSlotsAreExaminedAsFrequencyZero) {
  const std::string groupe = "-(_0 )";
  const t_interdictions vide;
  EXPECT_EQ(rafraichir(vide, 12, false, true).texte_motifs, repeter(groupe, 999));
  EXPECT_EQ(rafraichir(vide, -12, true, true).texte_motifs, repeter(groupe, 999));
  EXPECT_TRUE(rafraichir(vide, 13, false, true).autorisation);
  EXPECT_EQ(rafraichir(vide, 6, false, false).texte_motifs, repeter(groupe, 999));
  EXPECT_TRUE(rafraichir(vide, 7, false, false).autorisation);
  EXPECT_TRUE(rafraichir(vide, 41000, false, true).autorisation);

  // After the example's 13 entries, slots 14 to 999 are cleared ones.
  EXPECT_EQ(rafraichir(exemple(), 0, false, true).texte_motifs, repeter(groupe, 986));
}

// --- past slot 999 -------------------------------------------------------

TEST(Auto, EntriesPastSlot999AreExaminedToo) {
  t_interdictions table;
  for (int k = 1; k <= 998; ++k) table.ajouter(70000, 70000, "x");
  table.ajouter(41000, 41000, "dans");  // slot 999
  table.ajouter(42000, 42000, "dehors");  // slot 1000
  EXPECT_EQ(rafraichir(table, 41000, false, true).texte_motifs, "-(dans_41000 )");
  EXPECT_EQ(rafraichir(table, 42000, false, true).texte_motifs, "-(dehors_42000 )");
  EXPECT_TRUE(rafraichir(table, 43000, false, true).autorisation);
}

TEST(Auto, SeventeenModelsInFlightHaveEveryEntryExamined) {
  // 40000, 40024, ... 40384: the last pair, 40360 and 40384, puts its image
  // intermodulation 39917 in slot 1002, which no earlier slot comes near.
  t_fiches fiches;
  for (int k = 0; k < 17; ++k) en_vol(fiches, k + 1, 40000 + 24 * k);
  t_interdictions table = reconstruire(fiches);
  ASSERT_EQ(table.nb_interdictions(), 1003);
  const Resultat r = depart(table, 39917, true);
  EXPECT_FALSE(r.autorisation);
  EXPECT_EQ(r.texte_motifs, "39917 interdite : -(intermod_inf_40360=freq_img_de_40384 )");

  // A smaller rebuild leaves slots past 999 as they were; they are no longer
  // entries of the table and forbid nothing.
  t_fiches un_seul;
  en_vol(un_seul, 1, 40000);
  noire(un_seul, options_noire{}, table);
  ASSERT_EQ(table[1002].freq_interdite, 39917);
  EXPECT_TRUE(depart(table, 39917, true).autorisation);

  // With only that pair in flight the same entry sits in slot 12 and refuses.
  t_fiches paire;
  en_vol(paire, 16, 40360);
  en_vol(paire, 17, 40384);
  EXPECT_EQ(depart(reconstruire(paire), 39917, true).texte_motifs,
            "39917 interdite : -(intermod_inf_40360=freq_img_de_40384 )");
}

// The check looks only near the tested frequency; the slot-by-slot walk it
// stands for is written out here and compared on random tables, stale slots
// past the count included.
TEST(Auto, AnswersAsTheSlotBySlotWalkDoes) {
  const auto walk = [](const t_interdictions& table, std::int32_t f, bool en_vol, bool ecart20) {
    std::string motifs;
    for (int place = 1; place <= std::max(999, table.nb_interdictions()); ++place) {
      const t_interdiction& i = table[place];
      const std::int64_t d = std::abs(std::int64_t{f} - i.freq_interdite);
      const std::int64_t tol = i.motif.starts_with("sera_inte")   ? 4
                               : i.motif.starts_with("intermod_") ? 6
                               : i.motif.starts_with("freq_img=") ? 6
                               : ecart20                          ? 12
                                                                  : 6;
      if (d > tol) continue;
      if (en_vol && d == 0 && i.motif.starts_with(cp1252(u8"déjà_a"))) continue;
      motifs += "-(" + i.motif + "_" + std::to_string(i.freq_origine) + " )";
    }
    return motifs;
  };
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> frequence(40900, 41100);
  const std::vector<std::string> motifs = {cp1252(u8"déjà_active"), "sera_intermod_1", "intermod_inf_2",
                                           "freq_img=intermod_sup_3", "est_freq_image_de", ""};
  t_interdictions table;
  for (int tour = 0; tour < 40; ++tour) {
    table.recommencer();
    const int n = std::uniform_int_distribution<int>(0, 1500)(random);
    for (int k = 0; k < n; ++k)
      table.ajouter(frequence(random), k, motifs[static_cast<std::size_t>(k) % motifs.size()]);
    for (int essai = 0; essai < 25; ++essai) {
      const std::int32_t f = frequence(random);
      for (const bool en_vol : {false, true})
        for (const bool ecart20 : {false, true}) {
          std::string texte;
          const bool autorisation = auto_(table, f, en_vol, ecart20, texte);
          const std::string attendu = walk(table, f, en_vol, ecart20);
          ASSERT_EQ(texte, attendu) << "tour " << tour << " f " << f;
          ASSERT_EQ(autorisation, attendu.empty());
        }
    }
  }
}

}  // namespace
}  // namespace qx30
