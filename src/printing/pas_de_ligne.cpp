#include "printing/pas_de_ligne.h"

namespace qx30 {

int moitie_arrondie(int v) {
  // Floor division, so that negative values round the same way.
  int q = v / 2;
  if (v % 2 != 0 && v < 0) --q;
  const bool demi = v % 2 != 0;
  if (demi && q % 2 != 0) ++q;
  return q;
}

int pas_de_ligne(int hauteur_texte) { return hauteur_texte + moitie_arrondie(hauteur_texte); }

}  // namespace qx30
