// The rebuild of the forbidden frequencies from the entries in flight.
#include "interdictions/noire.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

using Table = std::vector<t_interdiction>;
const std::string deja = "d\xE9j\xE0_active";

// The frequencies in flight in slots 1, 2, ... in that order, with entries
// on the ground, waiting or without a number around them that count for nothing.
t_interdictions reconstruire(std::vector<std::int32_t> en_vol, options_noire options = {}) {
  t_fiches fiches;
  int p = 1;
  for (std::int32_t f : en_vol) {
    fiches[p] = {"L", 0, 0, f + 1, true, "", p, "", 0};
    fiches[p + 1] = {"V", 0, 0, f, true, "", p + 1, "", 0};
    fiches[p + 2] = {"V", 0, 0, f + 2, true, "", 0, "", 0};
    fiches[p + 3] = {"A", 0, 0, f + 3, true, "", p + 3, "", 0};
    p += 4;
  }
  t_interdictions table;
  noire(fiches, options, table);
  return table;
}

Table contenu(const t_interdictions& t) {
  Table v;
  for (int k = 1; k <= t.nb_interdictions(); ++k) v.push_back(t[k]);
  return v;
}

TEST(Noire, TheTwoFrequencyExample) {
  const t_interdictions table = reconstruire({41000, 41020});
  EXPECT_EQ(contenu(table), (Table{{41000, 41000, deja}, {40090, 41000, "est_freq_image_de"},
                                   {41910, 41000, "sera_freq_image_de"}, {41020, 41020, deja},
                                   {40110, 41020, "est_freq_image_de"}, {41930, 41020, "sera_freq_image_de"},
                                   {40980, 41000, "intermod_inf_41020"}, {41040, 41000, "intermod_sup_41020"},
                                   {41010, 41000, "sera_intermod_41020"}, {41890, 41000, "freq_img=intermod_inf_41020"},
                                   {41950, 41000, "freq_img=intermod_sup_41020"},
                                   {40555, 41020, "intermod_inf_41000=freq_img_de"},
                                   {41950, 41000, "intermod_sup_41020=freq_img_de"}}));
  const auto lignes = lignes_noire(table);
  ASSERT_EQ(lignes.size(), 13u);
  EXPECT_EQ(lignes[8], "41010 sera_intermod_41020_41000");
  EXPECT_EQ(lignes[11], "40555 intermod_inf_41000=freq_img_de_41020");
}

// The higher frequency in the lower slot turns rows 1 to 5 of the pair round.
TEST(Noire, ShortFrequenciesShowRowSixUncutAndNegativeImages) {
  EXPECT_EQ(contenu(reconstruire({30, 10})),
            (Table{{30, 30, deja}, {-880, 30, "est_freq_image_de"}, {940, 30, "sera_freq_image_de"},
                   {10, 10, deja}, {-900, 10, "est_freq_image_de"}, {920, 10, "sera_freq_image_de"},
                   {-10, 30, "intermod_inf_10"}, {50, 30, "intermod_sup_10"}, {20, 30, "sera_intermod_10"},
                   {900, 30, "freq_img=intermod_inf_10"}, {960, 30, "freq_img=intermod_sup_10"},
                   {-435, 30, "intermod_inf_10=freq_img_de30"}, {960, 10, "intermod_sup_30=freq_img_de_"}}));
  EXPECT_EQ(reconstruire({10, 30})[12].motif, "intermod_inf_10=freq_img_de_");
  EXPECT_EQ(lignes_noire(reconstruire({10}))[1], "-900 est_freq_image_de_10");
}

TEST(Noire, HalvesRoundFromTheLowerFrequency) {
  // Row 3 is lo + round(d / 2), row 6 round((lo + hi - 910) / 2).
  const std::array<std::array<std::int32_t, 4>, 5> cas = {{
      {41000, 41015, 41008, 40552}, {41001, 41016, 41009, 40554}, {35030, 35005, 35017, 34562},
      {41003, 41010, 41007, 40552}, {40001, 40008, 40005, 39550}}};
  for (const auto& [a, b, milieu, image] : cas) {
    const t_interdictions t = reconstruire({a, b});
    EXPECT_EQ(t[9].freq_interdite, milieu) << a << " " << b;
    EXPECT_EQ(t[12].freq_interdite, image) << a << " " << b;
  }
}

TEST(Noire, OptionsAndPairDistances) {
  struct Cas { std::vector<std::int32_t> en_vol; bool intermodulation, image; int entrees; } const cas[] = {
      {{}, true, true, 0},           {{41000}, true, false, 1},     {{41000}, false, false, 1},
      {{41000, 41020}, true, false, 5}, {{41000, 41020}, false, true, 6}, {{41000, 41020}, false, false, 2},
      {{41000, 41005}, true, true, 6},  {{41000, 41006}, true, true, 13}, {{41000, 45999}, true, true, 13},
      {{41000, 46000}, true, true, 6},  {{41000, 41000}, true, true, 6}};
  for (const Cas& c : cas) {
    const t_interdictions t = reconstruire(c.en_vol, {c.intermodulation, c.image});
    EXPECT_EQ(t.nb_interdictions(), c.entrees) << c.en_vol.size() << c.intermodulation << c.image;
  }
  // 2.4 GHz models in flight: no entry of their own and in no pair, even between 35010 and 35030.
  EXPECT_EQ(reconstruire({2400000, 2400010}).nb_interdictions(), 0);
  const Table avec_24 = contenu(reconstruire({35010, 2400000, 35030}));
  ASSERT_EQ(avec_24.size(), 13u);
  EXPECT_EQ(avec_24[3], (t_interdiction{35030, 35030, deja}));
  EXPECT_EQ(avec_24[6], (t_interdiction{34990, 35010, "intermod_inf_35030"}));
  // The pairs in slot order, each its three intermodulation rows.
  const Table t = contenu(reconstruire({41000, 41100, 41300}, {true, false}));
  EXPECT_EQ(t[3], (t_interdiction{40900, 41000, "intermod_inf_41100"}));
  EXPECT_EQ(t[5], (t_interdiction{41050, 41000, "sera_intermod_41100"}));
  EXPECT_EQ(t[6], (t_interdiction{40700, 41000, "intermod_inf_41300"}));
  EXPECT_EQ(t[9], (t_interdiction{40900, 41100, "intermod_inf_41300"}));
}

}  // namespace
}  // namespace qx30
