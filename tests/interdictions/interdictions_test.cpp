#include "interdictions/interdictions.h"

#include <gtest/gtest.h>

#include "register/cp1252.h"
#include "register/fiches.h"

namespace qx30 {
namespace {

const t_interdiction vide{};

TEST(Interdictions, SlotsAreNumberedOneTo9999AndStartClear) {
  t_interdictions table;
  EXPECT_EQ(table.nb_interdictions(), 0);
  EXPECT_EQ(table[1], vide);
  EXPECT_EQ(table[999], vide);
  EXPECT_EQ(table[9999], vide);
  EXPECT_THROW(table[0], RangeError);
  EXPECT_THROW(table[10000], RangeError);
}

TEST(Interdictions, AddingFillsTheSlotAfterTheLast) {
  t_interdictions table;
  table.ajouter(41000, 41000, "a");
  table.ajouter(-5, 905, "b");
  EXPECT_EQ(table.nb_interdictions(), 2);
  EXPECT_EQ(table[1], (t_interdiction{41000, 41000, "a"}));
  EXPECT_EQ(table[2], (t_interdiction{-5, 905, "b"}));
  EXPECT_EQ(table[3], vide);
}

TEST(Interdictions, MotifIsCutToThirtySingleByteCharacters) {
  t_interdictions table;
  table.ajouter(1, 1, "intermod_inf_41000=freq_img_de_");  // 31
  table.ajouter(1, 1, "intermod_sup_2000=freq_img_de_");   // 30
  // 34 "é": each is one Windows-1252 byte, so 30 of them are kept.
  table.ajouter(1, 1, cp1252(u8"éééééééééééééééééééééééééééééééééé"));
  EXPECT_EQ(table[1].motif, "intermod_inf_41000=freq_img_de");
  EXPECT_EQ(table[2].motif, "intermod_sup_2000=freq_img_de_");
  EXPECT_EQ(table[3].motif, cp1252(u8"éééééééééééééééééééééééééééééé"));
  EXPECT_EQ(table[3].motif.size(), 30u);
}

TEST(Interdictions, RestartingClearsSlotsOneTo999Only) {
  t_interdictions table;
  for (int k = 1; k <= 1003; ++k) table.ajouter(k, k, "x");
  table.recommencer();
  EXPECT_EQ(table.nb_interdictions(), 0);
  EXPECT_EQ(table[1], vide);
  EXPECT_EQ(table[999], vide);
  EXPECT_EQ(table[1000], (t_interdiction{1000, 1000, "x"}));
  EXPECT_EQ(table[1003], (t_interdiction{1003, 1003, "x"}));
  // The next entries go from slot 1 again.
  table.ajouter(7, 7, "y");
  EXPECT_EQ(table[1], (t_interdiction{7, 7, "y"}));
  EXPECT_EQ(table.nb_interdictions(), 1);
}

TEST(Interdictions, AFullTableDropsFurtherEntries) {
  t_interdictions table;
  for (int k = 1; k <= 9999; ++k) table.ajouter(k, k, "x");
  EXPECT_TRUE(table.pleine());
  table.ajouter(-1, -1, "trop");
  EXPECT_EQ(table.nb_interdictions(), 9999);
  EXPECT_EQ(table[9999], (t_interdiction{9999, 9999, "x"}));
}

}  // namespace
}  // namespace qx30
