#pragma once
// The vertical step between two printed lines: the text height and half of
// it again, so that lines keep a little air between them.

namespace qx30 {

// Line step for a text height t: t and its half rounded to the even neighbour.
int pas_de_ligne(int hauteur_texte);

}  // namespace qx30
