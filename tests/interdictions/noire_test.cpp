#include "interdictions/noire.h"

#include <gtest/gtest.h>

#include "en_vol.h"
#include "register/cp1252.h"

namespace qx30 {
namespace {

using testing::en_vol;
using testing::poser;
using testing::trier;

const std::string deja_active = cp1252(u8"déjà_active");

// Slots 1 to n of the table, for whole-table comparisons.
std::vector<t_interdiction> contenu(const t_interdictions& table) {
  std::vector<t_interdiction> v;
  for (int k = 1; k <= table.nb_interdictions(); ++k) v.push_back(table[k]);
  return v;
}

t_interdictions reconstruire(const t_fiches& fiches, options_noire options = {}) {
  t_interdictions table;
  noire(fiches, options, table);
  return table;
}

// 41000 in a lower slot, 41020 in a higher one, entries on the ground and
// waiting around them, every option on.
t_fiches exemple() {
  t_fiches fiches;
  poser(fiches, 1, 41500, "L");
  en_vol(fiches, 3, 41000);
  poser(fiches, 4, 41600, "A");
  en_vol(fiches, 7, 41020);
  poser(fiches, 8, 41700, "L");
  return fiches;
}

// --- the two-frequency example -------------------------------------------

TEST(Noire, TwoFrequenciesGiveThirteenEntriesInOrder) {
  const std::vector<t_interdiction> attendu = {
      {41000, 41000, deja_active},
      {40090, 41000, "est_freq_image_de"},
      {41910, 41000, "sera_freq_image_de"},
      {41020, 41020, deja_active},
      {40110, 41020, "est_freq_image_de"},
      {41930, 41020, "sera_freq_image_de"},
      {40980, 41000, "intermod_inf_41020"},
      {41040, 41000, "intermod_sup_41020"},
      {41010, 41000, "sera_intermod_41020"},
      {41890, 41000, "freq_img=intermod_inf_41020"},
      {41950, 41000, "freq_img=intermod_sup_41020"},
      {40555, 41020, "intermod_inf_41000=freq_img_de"},
      {41950, 41000, "intermod_sup_41020=freq_img_de"},
  };
  const t_interdictions table = reconstruire(exemple());
  EXPECT_EQ(table.nb_interdictions(), 13);
  EXPECT_EQ(contenu(table), attendu);
  EXPECT_EQ(table[14], t_interdiction{});
  EXPECT_EQ(table[1].motif.size(), 11u);  // "é" and "à" are one byte each
}

TEST(Noire, TwoFrequenciesListThirteenSortedLines) {
  const std::vector<std::string> attendu = {
      "40090 est_freq_image_de_41000",
      "40110 est_freq_image_de_41020",
      "40555 intermod_inf_41000=freq_img_de_41020",
      "40980 intermod_inf_41020_41000",
      cp1252(u8"41000 déjà_active_41000"),
      "41010 sera_intermod_41020_41000",
      cp1252(u8"41020 déjà_active_41020"),
      "41040 intermod_sup_41020_41000",
      "41890 freq_img=intermod_inf_41020_41000",
      "41910 sera_freq_image_de_41000",
      "41930 sera_freq_image_de_41020",
      "41950 freq_img=intermod_sup_41020_41000",
      "41950 intermod_sup_41020=freq_img_de_41000",
  };
  EXPECT_EQ(trier(lignes_noire(reconstruire(exemple()))), attendu);
}

TEST(Noire, LinesComeInTableOrder) {
  const std::vector<std::string> lignes = lignes_noire(reconstruire(exemple()));
  ASSERT_EQ(lignes.size(), 13u);
  EXPECT_EQ(lignes[0], cp1252(u8"41000 déjà_active_41000"));
  EXPECT_EQ(lignes[6], "40980 intermod_inf_41020_41000");
  EXPECT_EQ(lignes[12], "41950 intermod_sup_41020=freq_img_de_41000");
}

TEST(Noire, HigherFrequencyInTheLowerSlotNamesTheOtherInRowsOneToFive) {
  t_fiches fiches;
  en_vol(fiches, 2, 41020);
  en_vol(fiches, 9, 41000);
  const std::vector<t_interdiction> attendu = {
      {41020, 41020, deja_active},
      {40110, 41020, "est_freq_image_de"},
      {41930, 41020, "sera_freq_image_de"},
      {41000, 41000, deja_active},
      {40090, 41000, "est_freq_image_de"},
      {41910, 41000, "sera_freq_image_de"},
      {40980, 41020, "intermod_inf_41000"},
      {41040, 41020, "intermod_sup_41000"},
      {41010, 41020, "sera_intermod_41000"},
      {41890, 41020, "freq_img=intermod_inf_41000"},
      {41950, 41020, "freq_img=intermod_sup_41000"},
      // "intermod_inf_41000=freq_img_de41020", cut to 30
      {40555, 41020, "intermod_inf_41000=freq_img_de"},
      {41950, 41000, "intermod_sup_41020=freq_img_de"},
  };
  EXPECT_EQ(contenu(reconstruire(fiches)), attendu);
}

TEST(Noire, ShortFrequenciesShowBothWordingsOfTheImageIntermodulation) {
  // Four-digit frequencies leave the motifs of the last two rows uncut, or
  // nearly, so the two wordings differ.
  t_fiches croissant;
  en_vol(croissant, 1, 1000);
  en_vol(croissant, 2, 2000);
  const t_interdictions t1 = reconstruire(croissant);
  ASSERT_EQ(t1.nb_interdictions(), 13);
  EXPECT_EQ(t1[12], (t_interdiction{1045, 2000, "intermod_inf_1000=freq_img_de_"}));
  EXPECT_EQ(t1[13], (t_interdiction{3910, 1000, "intermod_sup_2000=freq_img_de_"}));

  t_fiches decroissant;
  en_vol(decroissant, 1, 2000);
  en_vol(decroissant, 2, 1000);
  const t_interdictions t2 = reconstruire(decroissant);
  ASSERT_EQ(t2.nb_interdictions(), 13);
  // "intermod_inf_1000=freq_img_de2000" cut to 30: no underscore before 2000.
  EXPECT_EQ(t2[12], (t_interdiction{1045, 2000, "intermod_inf_1000=freq_img_de2"}));
  EXPECT_EQ(t2[13], (t_interdiction{3910, 1000, "intermod_sup_2000=freq_img_de_"}));
  EXPECT_EQ(t2[7], (t_interdiction{0, 2000, "intermod_inf_1000"}));
}

// --- which entries count -----------------------------------------------

TEST(Noire, NothingInFlightGivesAnEmptyTable) {
  t_fiches fiches;
  poser(fiches, 1, 41000, "L");
  poser(fiches, 2, 41020, "A");
  const t_interdictions table = reconstruire(fiches);
  EXPECT_EQ(table.nb_interdictions(), 0);
  EXPECT_TRUE(lignes_noire(table).empty());
}

TEST(Noire, AnEntryWithoutNumberIsNotInFlight) {
  t_fiches fiches;
  fiches[1].etat = "V";
  fiches[1].freq = 41000;  // numero 0
  en_vol(fiches, 2, 41020);
  EXPECT_EQ(lignes_noire(reconstruire(fiches, {.intermodulation = true, .freq_image = false})),
            std::vector<std::string>{cp1252(u8"41020 déjà_active_41020")});
}

TEST(Noire, OneFrequencyWithoutImagesGivesOneLineWhateverIntermodulation) {
  t_fiches fiches;
  en_vol(fiches, 5, 41000);
  const std::vector<std::string> une_ligne{cp1252(u8"41000 déjà_active_41000")};
  EXPECT_EQ(lignes_noire(reconstruire(fiches, {.intermodulation = true, .freq_image = false})), une_ligne);
  EXPECT_EQ(lignes_noire(reconstruire(fiches, {.intermodulation = false, .freq_image = false})), une_ligne);
}

// --- options -------------------------------------------------------------

TEST(Noire, WithoutIntermodulationOnlySingleFrequencyEntries) {
  const t_interdictions table = reconstruire(exemple(), {.intermodulation = false, .freq_image = true});
  const std::vector<t_interdiction> attendu = {
      {41000, 41000, deja_active}, {40090, 41000, "est_freq_image_de"}, {41910, 41000, "sera_freq_image_de"},
      {41020, 41020, deja_active}, {40110, 41020, "est_freq_image_de"}, {41930, 41020, "sera_freq_image_de"},
  };
  EXPECT_EQ(contenu(table), attendu);
}

TEST(Noire, WithoutImagesRowsOneToThreeOfEachPair) {
  const t_interdictions table = reconstruire(exemple(), {.intermodulation = true, .freq_image = false});
  const std::vector<t_interdiction> attendu = {
      {41000, 41000, deja_active},
      {41020, 41020, deja_active},
      {40980, 41000, "intermod_inf_41020"},
      {41040, 41000, "intermod_sup_41020"},
      {41010, 41000, "sera_intermod_41020"},
  };
  EXPECT_EQ(contenu(table), attendu);
}

TEST(Noire, SwitchingAnOptionBackOnBringsItsEntriesBack) {
  t_interdictions table;
  noire(exemple(), {.intermodulation = false, .freq_image = false}, table);
  EXPECT_EQ(table.nb_interdictions(), 2);
  EXPECT_EQ(table[3], t_interdiction{});  // cleared by the rebuild
  noire(exemple(), {}, table);
  EXPECT_EQ(table.nb_interdictions(), 13);
  EXPECT_EQ(table[13], (t_interdiction{41950, 41000, "intermod_sup_41020=freq_img_de"}));
}

// --- pairs ---------------------------------------------------------------

TEST(Noire, PairsFiveApartGiveNothingSixApartGiveTheirEntries) {
  t_fiches cinq;
  en_vol(cinq, 1, 41000);
  en_vol(cinq, 2, 41005);
  EXPECT_EQ(reconstruire(cinq).nb_interdictions(), 6);

  t_fiches six;
  en_vol(six, 1, 41000);
  en_vol(six, 2, 41006);
  const t_interdictions table = reconstruire(six);
  EXPECT_EQ(table.nb_interdictions(), 13);
  EXPECT_EQ(table[7], (t_interdiction{40994, 41000, "intermod_inf_41006"}));
  EXPECT_EQ(table[9], (t_interdiction{41003, 41000, "sera_intermod_41006"}));
  EXPECT_EQ(table[12], (t_interdiction{40548, 41006, "intermod_inf_41000=freq_img_de"}));
}

TEST(Noire, Pairs4999ApartGiveTheirEntries5000ApartNothing) {
  t_fiches limite;
  en_vol(limite, 1, 41000);
  en_vol(limite, 2, 45999);
  const t_interdictions table = reconstruire(limite);
  const std::vector<t_interdiction> paire = {
      {36001, 41000, "intermod_inf_45999"},
      {50998, 41000, "intermod_sup_45999"},
      {43500, 41000, "sera_intermod_45999"},  // 41000 + 2499.5, to the even 2500
      {36911, 41000, "freq_img=intermod_inf_45999"},
      {51908, 41000, "freq_img=intermod_sup_45999"},
      {43044, 45999, "intermod_inf_41000=freq_img_de"},  // 86089 / 2 = 43044.5
      {51908, 41000, "intermod_sup_45999=freq_img_de"},
  };
  const std::vector<t_interdiction> tout = contenu(table);
  ASSERT_EQ(tout.size(), 13u);
  EXPECT_EQ(std::vector<t_interdiction>(tout.begin() + 6, tout.end()), paire);

  t_fiches trop;
  en_vol(trop, 1, 41000);
  en_vol(trop, 2, 46000);
  EXPECT_EQ(reconstruire(trop).nb_interdictions(), 6);
}

TEST(Noire, TwoEntriesOnOneFrequencyGiveOneLineEachAndNoPair) {
  t_fiches fiches;
  en_vol(fiches, 2, 41000);
  en_vol(fiches, 5, 41000);
  const std::vector<std::string> attendu = {cp1252(u8"41000 déjà_active_41000"),
                                            cp1252(u8"41000 déjà_active_41000")};
  EXPECT_EQ(lignes_noire(reconstruire(fiches, {.intermodulation = true, .freq_image = false})), attendu);
}

TEST(Noire, AnOddDifferenceRoundsTheMidpointToTheEvenNeighbour) {
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  en_vol(fiches, 2, 41015);
  const std::vector<std::string> lignes = lignes_noire(reconstruire(fiches));
  ASSERT_EQ(lignes.size(), 13u);
  EXPECT_EQ(lignes[8], "41008 sera_intermod_41015_41000");  // 41000 + 7.5 -> 41008

  t_fiches vingt_cinq;
  en_vol(vingt_cinq, 1, 41000);
  en_vol(vingt_cinq, 2, 41025);
  EXPECT_EQ(lignes_noire(reconstruire(vingt_cinq))[8], "41012 sera_intermod_41025_41000");  // 12.5 -> 12
}

TEST(Noire, PairsComeInOrderOneTwoOneThreeTwoThree) {
  t_fiches fiches;
  en_vol(fiches, 1, 41000);
  en_vol(fiches, 2, 41100);
  en_vol(fiches, 3, 41050);
  const t_interdictions table = reconstruire(fiches, {.intermodulation = true, .freq_image = false});
  const std::vector<t_interdiction> attendu = {
      {41000, 41000, deja_active},
      {41100, 41100, deja_active},
      {41050, 41050, deja_active},
      // (1,2): a 41000, b 41100, d 100
      {40900, 41000, "intermod_inf_41100"},
      {41200, 41000, "intermod_sup_41100"},
      {41050, 41000, "sera_intermod_41100"},
      // (1,3): a 41000, b 41050, d 50
      {40950, 41000, "intermod_inf_41050"},
      {41100, 41000, "intermod_sup_41050"},
      {41025, 41000, "sera_intermod_41050"},
      // (2,3): a 41100, b 41050, lo 41050, hi 41100, d 50
      {41000, 41100, "intermod_inf_41050"},
      {41150, 41100, "intermod_sup_41050"},
      {41075, 41100, "sera_intermod_41050"},
  };
  EXPECT_EQ(contenu(table), attendu);
}

// --- small and negative frequencies --------------------------------------

TEST(Noire, FrequenciesBelow910GiveNegativeImages) {
  t_fiches fiches;
  en_vol(fiches, 1, 100);
  en_vol(fiches, 2, 107);
  const std::vector<t_interdiction> attendu = {
      {100, 100, deja_active},
      {-810, 100, "est_freq_image_de"},
      {1010, 100, "sera_freq_image_de"},
      {107, 107, deja_active},
      {-803, 107, "est_freq_image_de"},
      {1017, 107, "sera_freq_image_de"},
      {93, 100, "intermod_inf_107"},
      {114, 100, "intermod_sup_107"},
      {104, 100, "sera_intermod_107"},  // 100 + 3.5 -> 104
      {1003, 100, "freq_img=intermod_inf_107"},
      {1024, 100, "freq_img=intermod_sup_107"},
      {-352, 107, "intermod_inf_100=freq_img_de_"},  // (207 - 910) / 2 = -351.5 -> -352
      {1024, 100, "intermod_sup_107=freq_img_de_"},
  };
  const t_interdictions table = reconstruire(fiches);
  EXPECT_EQ(contenu(table), attendu);
  const std::vector<std::string> lignes = lignes_noire(table);
  EXPECT_EQ(lignes[1], "-810 est_freq_image_de_100");
  EXPECT_EQ(lignes[11], "-352 intermod_inf_100=freq_img_de__107");
}

// --- many models in flight -----------------------------------------------

TEST(Noire, SeventeenModelsFillMoreThan999SlotsAndAllAreListed) {
  // 40000, 40024, ... 40384: 51 single entries and 136 pairs of 7.
  t_fiches fiches;
  for (int k = 0; k < 17; ++k) en_vol(fiches, k + 1, 40000 + 24 * k);
  const t_interdictions table = reconstruire(fiches);
  EXPECT_EQ(table.nb_interdictions(), 1003);
  // The last pair, 40360 and 40384, fills slots 997 to 1003.
  EXPECT_EQ(table[997], (t_interdiction{40336, 40360, "intermod_inf_40384"}));
  EXPECT_EQ(table[999], (t_interdiction{40372, 40360, "sera_intermod_40384"}));
  EXPECT_EQ(table[1000], (t_interdiction{41246, 40360, "freq_img=intermod_inf_40384"}));
  EXPECT_EQ(table[1002], (t_interdiction{39917, 40384, "intermod_inf_40360=freq_img_de"}));
  EXPECT_EQ(table[1003], (t_interdiction{41318, 40360, "intermod_sup_40384=freq_img_de"}));
  const std::vector<std::string> lignes = lignes_noire(table);
  ASSERT_EQ(lignes.size(), 1003u);
  EXPECT_EQ(lignes[1002], "41318 intermod_sup_40384=freq_img_de_40360");
}

TEST(Noire, ARebuildClearsSlotsUpTo999AndLeavesTheRest) {
  t_fiches nombreux;
  for (int k = 0; k < 17; ++k) en_vol(nombreux, k + 1, 40000 + 24 * k);
  t_interdictions table;
  noire(nombreux, {}, table);
  noire(exemple(), {}, table);
  EXPECT_EQ(table.nb_interdictions(), 13);
  EXPECT_EQ(table[13], (t_interdiction{41950, 41000, "intermod_sup_41020=freq_img_de"}));
  EXPECT_EQ(table[14], t_interdiction{});
  EXPECT_EQ(table[999], t_interdiction{});
  // Slots past 999 keep the earlier rebuild's entries; nothing reads them.
  EXPECT_EQ(table[1000], (t_interdiction{41246, 40360, "freq_img=intermod_inf_40384"}));
  EXPECT_EQ(lignes_noire(table).size(), 13u);
}

TEST(Noire, FiftyFourModelsStopTheTableAt9999Entries) {
  // 40000, 40010, ... 40530: 162 single entries, 1431 pairs of 7 would make
  // 10179. Slots 163 to 9997 hold the first 1405 pairs; the 1406th pair,
  // (47,50) = 40460 and 40490, gets its first two rows into 9998 and 9999.
  t_fiches fiches;
  for (int k = 0; k < 54; ++k) en_vol(fiches, k + 1, 40000 + 10 * k);
  const t_interdictions table = reconstruire(fiches);
  EXPECT_EQ(table.nb_interdictions(), 9999);
  EXPECT_TRUE(table.pleine());
  EXPECT_EQ(table[162], (t_interdiction{40530 + 910, 40530, "sera_freq_image_de"}));
  EXPECT_EQ(table[163], (t_interdiction{39990, 40000, "intermod_inf_40010"}));
  // The 1405th pair, (47,49) = 40460 and 40480, ends in slot 9997.
  EXPECT_EQ(table[9997], (t_interdiction{41410, 40460, "intermod_sup_40480=freq_img_de"}));
  EXPECT_EQ(table[9998], (t_interdiction{40430, 40460, "intermod_inf_40490"}));
  EXPECT_EQ(table[9999], (t_interdiction{40520, 40460, "intermod_sup_40490"}));
  const std::vector<std::string> lignes = lignes_noire(table);
  ASSERT_EQ(lignes.size(), 9999u);
  EXPECT_EQ(lignes.back(), "40520 intermod_sup_40490_40460");
}

TEST(Noire, AllSlotsInFlightStillStopAt9999) {
  t_fiches fiches;
  for (int k = 1; k <= 999; ++k) en_vol(fiches, k, 40000 + 6 * k);
  const t_interdictions table = reconstruire(fiches);
  EXPECT_EQ(table.nb_interdictions(), 9999);
  EXPECT_EQ(table[2997], (t_interdiction{45994 + 910, 45994, "sera_freq_image_de"}));
  EXPECT_EQ(table[2998], (t_interdiction{40000, 40006, "intermod_inf_40012"}));
}

}  // namespace
}  // namespace qx30
