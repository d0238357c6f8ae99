#pragma once
// The vertical step between two printed lines: the text height and half of
// it again, so that lines keep a little air between them.

namespace qx30 {

// v / 2 to the nearest integer, a half going to the even neighbour
// (13 gives 6, 15 gives 8, 11 gives 6).
int moitie_arrondie(int v);

// Line step for a text height t: t + moitie_arrondie(t).
int pas_de_ligne(int hauteur_texte);

}  // namespace qx30
