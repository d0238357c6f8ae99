#include "register/fiches.h"

#include <gtest/gtest.h>

#include "register/str_to_int.h"

namespace qx30 {
namespace {

TEST(Fiches, SlotsAreNumberedOneTo999) {
  t_fiches fiches;
  fiches[1].freq = 1;
  fiches[999].freq = 999;
  EXPECT_EQ(fiches[1].freq, 1);
  EXPECT_EQ(fiches[999].freq, 999);
  EXPECT_THROW(fiches[0], RangeError);
  EXPECT_THROW(fiches[1000], RangeError);
  fiches.vider();
  EXPECT_EQ(fiches[999], t_fiche{});
}

TEST(Fiches, PresenceNeedsBothNumberAndFrequency) {
  t_fiche f;
  EXPECT_FALSE(est_presente(f));
  f.numero = 4;
  EXPECT_FALSE(est_presente(f));  // a deleted entry keeps its number
  f.freq = 35010;
  EXPECT_TRUE(est_presente(f));
  f.numero = 0;
  EXPECT_FALSE(est_presente(f));
}

TEST(Fiches, FreeSlotSearchTakesTheLowestAndNeverSlot999) {
  t_fiches fiches;
  EXPECT_EQ(place_libre(fiches), 1);
  for (int i = 1; i <= 998; ++i) {
    fiches[i].numero = i;
    fiches[i].freq = 35010;
  }
  EXPECT_EQ(place_libre(fiches), std::nullopt);
  fiches[500].freq = 0;  // deleted: number kept, slot free again
  fiches[700].freq = 0;
  EXPECT_EQ(place_libre(fiches), 500);
}

TEST(Fiches, LibelleCutsEachPartThenDropsBrackets) {
  EXPECT_EQ(construire_libelle("35010", "ROUGE equipe", "Extra [2]"), "35010_ROUGE equipe_Extra 2_");
  EXPECT_EQ(construire_libelle("35010", "", ""), "35010___");
  // 25-character pilot keeps 20, 12-character comment keeps 10.
  EXPECT_EQ(construire_libelle("41000", "ABCDEFGHIJKLMNOPQRSTUVWXY", "abcdefghijkl"),
            "41000_ABCDEFGHIJKLMNOPQRST_abcdefghij_");
  // A longer frequency text pushes the end past 38 characters: cut there.
  EXPECT_EQ(construire_libelle("1234567", "ABCDEFGHIJKLMNOPQRST", "abcdefghij"),
            "1234567_ABCDEFGHIJKLMNOPQRST_abcdefghi");
  // Brackets go after the cut, so the text ends up shorter than 38.
  EXPECT_EQ(construire_libelle("41000", "[[[[[[[[[[[[[[[[[[[[", "]]]]]]]]]]"), "41000___");
  EXPECT_EQ(construire_libelle("41000", "A]B[C", "[x]"), "41000_ABC_x_");
}

TEST(Fiches, NumeroDeLigneReadsTheFirstBrackets) {
  EXPECT_EQ(numero_de_ligne("35010_ROUGE equipe_Extra_[3]c012e002"), 3);
  EXPECT_EQ(numero_de_ligne("14:05=t007_35010_X_._[998]c000e001-(deja_35010 )"), 998);
  EXPECT_EQ(numero_de_ligne("a[12]b[13]"), 12);
  try {
    numero_de_ligne("35010_X_._[1x]c000e000");
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
  }
  EXPECT_THROW(numero_de_ligne("no brackets"), ConvertError);
  EXPECT_THROW(numero_de_ligne("]12["), ConvertError);
  EXPECT_THROW(numero_de_ligne("[]"), ConvertError);
}

}  // namespace
}  // namespace qx30
