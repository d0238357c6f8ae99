#include "register/moitie.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

TEST(MoitieArrondie, ExactHalvesStayExact) {
  EXPECT_EQ(moitie_arrondie(0), 0);
  EXPECT_EQ(moitie_arrondie(20), 10);
  EXPECT_EQ(moitie_arrondie(-20), -10);
  EXPECT_EQ(moitie_arrondie(79834), 39917);
}

TEST(MoitieArrondie, AHalfGoesToTheEvenNeighbour) {
  EXPECT_EQ(moitie_arrondie(15), 8);
  EXPECT_EQ(moitie_arrondie(25), 12);
  EXPECT_EQ(moitie_arrondie(13), 6);
  EXPECT_EQ(moitie_arrondie(11), 6);
  EXPECT_EQ(moitie_arrondie(1), 0);
  EXPECT_EQ(moitie_arrondie(3), 2);
  EXPECT_EQ(moitie_arrondie(81105), 40552);
  EXPECT_EQ(moitie_arrondie(4999), 2500);
  EXPECT_EQ(moitie_arrondie(86089), 43044);
}

TEST(MoitieArrondie, NegativeHalvesAlsoGoToTheEvenNeighbour) {
  EXPECT_EQ(moitie_arrondie(-1), 0);
  EXPECT_EQ(moitie_arrondie(-3), -2);
  EXPECT_EQ(moitie_arrondie(-5), -2);
  EXPECT_EQ(moitie_arrondie(-703), -352);
}

}  // namespace
}  // namespace qx30
