#pragma once
// The three entry lists stacked one pixel apart between the fixed top of the
// list of models in flight and the caption above the input row: the two
// upper lists fit their lines, the registered list takes what is left, and
// the upper lists give up rows (the queue first, neither below three) until
// the registered list has room for two.

namespace qx30 {


struct t_pile {
  // Row height in pixels of each list, following its font.
  int rangee_actives = 13;
  int rangee_attente = 13;
  int rangee_liste = 13;
  // Lines in the two upper lists.
  int lignes_actives = 0;
  int lignes_attente = 0;
  int haut_actives = 32;  // top of LB_actives, which never moves
  int haut_label1 = 456;  // top of Label1, the "freq." caption
};

struct t_place {
  int haut = 0;
  int hauteur = 0;
};

struct t_hauteurs {
  t_place actives, attente, liste;
};

// In a window too short for three rows in each upper list the registered
// list's height comes out zero or negative; the window decides what to show.
t_hauteurs empiler(const t_pile& pile);

}  // namespace qx30
