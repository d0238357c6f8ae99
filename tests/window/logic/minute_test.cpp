#include "window/logic/minute.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

TEST(CompterMinute, CountsWaitingAndFlyingEntriesOnly) {
  t_fiches fiches;
  EXPECT_FALSE(compter_minute(fiches));  // the empty table at start-up

  fiches[1].numero = 1;  // registered
  fiches[1].etat = "L";
  fiches[1].freq = 35010;
  fiches[1].temps_vol = 4;
  fiches[2].numero = 2;  // deleted: "L" and no frequency
  fiches[2].etat = "L";
  EXPECT_FALSE(compter_minute(fiches));
  EXPECT_EQ(fiches[1].temps_vol, 4);

  fiches[5].numero = 5;  // waiting
  fiches[5].etat = "A";
  fiches[5].freq = 41000;
  fiches[5].cumul_temps = 6;
  fiches[9].numero = 9;  // in flight
  fiches[9].etat = "V";
  fiches[9].freq = 41020;
  fiches[9].cumul_temps = 20;
  fiches[999].numero = 999;  // the last slot counts like any other
  fiches[999].etat = "V";
  fiches[999].freq = 72130;
  fiches[12].etat = "V";  // no number: never held an entry
  for (int tic = 0; tic < 3; ++tic) EXPECT_TRUE(compter_minute(fiches));

  EXPECT_EQ(fiches[5].temps_vol, 3);
  EXPECT_EQ(fiches[5].cumul_temps, 6);
  EXPECT_EQ(fiches[9].temps_vol, 3);
  EXPECT_EQ(fiches[9].cumul_temps, 23);
  EXPECT_EQ(fiches[999].cumul_temps, 3);
  EXPECT_EQ(fiches[12].temps_vol, 0);
  EXPECT_EQ(fiches[1].temps_vol, 4);
  EXPECT_EQ(fiches[2].temps_vol, 0);
}

TEST(Horloge, StartTimeIsTakenFromTheClockText) {
  EXPECT_EQ(heure_horloge("05/12/2026 14:07"), "14:07");
  EXPECT_EQ(heure_horloge("05/12/2026 14:07:09"), "14:07");
  EXPECT_EQ(heure_horloge("05/12/2026 1"), "1");
  EXPECT_EQ(heure_horloge(""), "");
}

}  // namespace
}  // namespace qx30
