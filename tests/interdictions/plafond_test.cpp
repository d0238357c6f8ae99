// Past the table's 9999 entries: the pair rows left out still forbid, with
// the reasons a table without a cap would give.

#include <gtest/gtest.h>

#include "en_vol.h"
#include "interdictions/autorisation.h"
#include "interdictions/noire.h"

namespace qx30 {
namespace {

using testing::en_vol;

// The reasons a start is refused with (empty when it is authorised).
std::string refus(const t_interdictions& table, std::int32_t freq) {
  std::string motifs;
  const bool autorisation = auto_(table, freq, false, true, motifs);
  EXPECT_EQ(autorisation, motifs.empty()) << freq;
  return motifs;
}

TEST(Plafond, APairLeftOutOfTheFullTableStillForbids) {
  // 60 models: 180 single entries, then the 1653 pairs of the 58 models
  // 10 kHz apart, 7 rows each, fill the table. The pair 72000 and 72100, in
  // the last two slots, is the last pair of all and wholly left out; nothing
  // else comes near its rows.
  t_fiches fiches;
  for (int k = 0; k < 58; ++k) en_vol(fiches, k + 1, 40000 + 10 * k);
  en_vol(fiches, 59, 72000);
  en_vol(fiches, 60, 72100);
  t_interdictions table;
  noire(fiches, {}, table);
  ASSERT_EQ(table.nb_interdictions(), 9999);
  EXPECT_EQ(lignes_noire(table).size(), 9999u);

  t_fiches paire;  // the same pair alone, which the table holds
  en_vol(paire, 59, 72000);
  en_vol(paire, 60, 72100);
  t_interdictions seule;
  noire(paire, {}, seule);

  const struct {
    std::int32_t freq;
    std::string motifs;
  } cas[] = {
      {71900, "-(intermod_inf_72100_72000 )"},
      {71907, ""},
      {72054, "-(sera_intermod_72100_72000 )"},
      {71595, "-(intermod_inf_72000=freq_img_de_72100 )"},
      {73110, "-(freq_img=intermod_sup_72100_72000 )-(intermod_sup_72100=freq_img_de_72000 )"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(refus(table, c.freq), c.motifs) << c.freq;
    EXPECT_EQ(refus(seule, c.freq), c.motifs) << c.freq;
  }

  // The next rebuild forgets what the last one left out.
  t_fiches une;
  en_vol(une, 1, 40000);
  noire(une, {}, table);
  EXPECT_EQ(refus(table, 71900), "");
}

TEST(Plafond, TheTableAndTheRowsLeftOutMakeEveryRowOnce) {
  // 54 models 10 kHz apart make 162 + 1431 x 7 = 10179 entries. The pair
  // 40460 and 40490 got its rows 1 and 2 into slots 9998 and 9999: its row 3
  // is the first left out, row 7 of the last pair (40520, 40530) the last.
  t_fiches fiches;
  for (int k = 0; k < 54; ++k) en_vol(fiches, k + 1, 40000 + 10 * k);
  t_interdictions table;
  noire(fiches, {}, table);
  const std::vector<t_interdiction> reste = hors_table(table, 40000, 100000);
  ASSERT_EQ(reste.size(), 10179u - 9999u);
  EXPECT_EQ(reste.front(), (t_interdiction{40475, 40460, "sera_intermod_40490"}));
  EXPECT_EQ(reste.back(), (t_interdiction{41450, 40520, "intermod_sup_40530=freq_img_de"}));
  EXPECT_EQ(hors_table(table, 40475, 0),
            (std::vector<t_interdiction>{{40475, 40460, "sera_intermod_40490"},
                                         {40475, 40470, "sera_intermod_40480"}}));
}

}  // namespace
}  // namespace qx30
