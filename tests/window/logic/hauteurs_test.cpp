// The stacking of the three entry lists.
#include <gtest/gtest.h>

#include <array>

#include "window/logic/hauteurs.h"

namespace qx30 {
namespace {

TEST(Hauteurs, TheQueueGivesUpRowsFirstAndNeitherGoesBelowThree) {
  const auto pile = [](int vol, int attente, int rangee = 13, int label1 = 456) {
    return empiler({rangee, rangee, rangee, vol, attente, 32, label1});
  };
  const std::pair<t_hauteurs, std::array<int, 6>> cas[] = {
      {pile(2, 4), {32, 32, 65, 58, 124, 331}},    {pile(0, 0), {32, 19, 52, 19, 72, 383}},
      {pile(2, 4, 15), {32, 38, 71, 68, 140, 315}}, {pile(0, 30), {32, 19, 52, 370, 423, 32}},
      {pile(30, 30), {32, 344, 377, 45, 423, 32}},  {pile(4, 3, 13, 150), {32, 45, 78, 45, 124, 25}},
      {pile(10, 10, 13, 100), {32, 45, 78, 45, 124, -25}}};
  for (const auto& [h, a] : cas)
    EXPECT_EQ((std::array{h.actives.haut, h.actives.hauteur, h.attente.haut, h.attente.hauteur, h.liste.haut, h.liste.hauteur}), a);
}

}  // namespace
}  // namespace qx30
