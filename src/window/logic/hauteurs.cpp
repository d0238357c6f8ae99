#include "window/logic/hauteurs.h"

#include <algorithm>

#include "common/moitie.h"

namespace qx30 {

t_hauteurs empiler(const t_pile& pile) {
  int rangs_actives = std::max(pile.lignes_actives, 1);
  int rangs_attente = std::max(pile.lignes_attente, 1);
  t_hauteurs h;
  h.actives.haut = pile.haut_actives;
  for (;;) {
    h.actives.hauteur = pile.rangee_actives * rangs_actives + static_cast<int>(moitie_arrondie(pile.rangee_actives));
    h.attente.haut = h.actives.haut + h.actives.hauteur + 1;
    h.attente.hauteur = pile.rangee_attente * rangs_attente + static_cast<int>(moitie_arrondie(pile.rangee_attente));
    h.liste.haut = h.attente.haut + h.attente.hauteur + 1;
    if (h.liste.haut + 2 * pile.rangee_liste <= pile.haut_label1) break;
    // No room for two registered rows: the queue gives up a row first.
    if (rangs_attente > 3)
      --rangs_attente;
    else if (rangs_actives > 3)
      --rangs_actives;
    else
      break;
  }
  h.liste.hauteur = pile.haut_label1 - 1 - h.liste.haut;
  return h;
}

}  // namespace qx30
