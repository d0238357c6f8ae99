#include "window/logic/hauteurs.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

t_pile pile(int en_vol, int en_attente, int rangee = 13, int label1 = 456) {
  t_pile p;
  p.rangee_actives = p.rangee_attente = p.rangee_liste = rangee;
  p.lignes_actives = en_vol;
  p.lignes_attente = en_attente;
  p.haut_actives = 32;
  p.haut_label1 = label1;
  return p;
}

void attendre(const t_hauteurs& h, t_place actives, t_place attente, t_place liste) {
  EXPECT_EQ(h.actives.haut, actives.haut);
  EXPECT_EQ(h.actives.hauteur, actives.hauteur);
  EXPECT_EQ(h.attente.haut, attente.haut);
  EXPECT_EQ(h.attente.hauteur, attente.hauteur);
  EXPECT_EQ(h.liste.haut, liste.haut);
  EXPECT_EQ(h.liste.hauteur, liste.hauteur);
}

TEST(Empiler, UpperListsFitTheirLinesAndTheRegisteredListTakesTheRest) {
  // 2 in flight, 4 waiting.
  attendre(empiler(pile(2, 4)), {32, 32}, {65, 58}, {124, 331});
  // Empty lists are a row and a half high.
  attendre(empiler(pile(0, 0)), {32, 19}, {52, 19}, {72, 383});
  // Rows of 15: a half row of 8.
  attendre(empiler(pile(2, 4, 15)), {32, 38}, {71, 68}, {140, 315});
  // The registered list's own rows decide the room it needs: two of 200
  // from top 124 pass 456, so the queue gives up its fourth row.
  t_pile p = pile(2, 4);
  p.rangee_liste = 200;
  attendre(empiler(p), {32, 32}, {65, 45}, {111, 344});
}

TEST(Empiler, TheQueueGivesUpRowsFirstAndNeitherGoesBelowThree) {
  // Thirty waiting: 30 rows would put the registered list at 449, 29 at 436,
  // both too low for two rows above 456; 28 leave 423 + 26 = 449.
  attendre(empiler(pile(0, 30)), {32, 19}, {52, 370}, {423, 32});

  // Thirty in flight and thirty waiting: the queue drops to 3 rows, then the
  // flying list to 26 (13 x 29 rows + 46 + 26 = 449).
  attendre(empiler(pile(30, 30)), {32, 344}, {377, 45}, {423, 32});

  // Two rows ending exactly on Label1's top are room enough.
  attendre(empiler(pile(4, 3, 13, 150)), {32, 45}, {78, 45}, {124, 25});
  // A window too short even for three rows each: both stop at three.
  attendre(empiler(pile(10, 10, 13, 100)), {32, 45}, {78, 45}, {124, -25});
}

}  // namespace
}  // namespace qx30
