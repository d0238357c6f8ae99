#include "printing/pas_de_ligne.h"

#include "common/moitie.h"

namespace qx30 {

int pas_de_ligne(int hauteur_texte) {
  return hauteur_texte + static_cast<int>(moitie_arrondie(hauteur_texte));
}

}  // namespace qx30
