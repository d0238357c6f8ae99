// The refresh: every list and label rebuilt from the table.

#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::affichage() {
  LB_liste->clear();
  LB_attente->clear();
  LB_actives->clear();
  for (int i = 1; i <= nb_places; ++i) {
    const t_fiche& f = fiches[i];
    if (!est_presente(f)) continue;
    const std::string ligne = f.libelle + "[" + std::to_string(f.numero) + "]";
    (f.etat == "V" ? LB_actives : f.etat == "A" ? LB_attente : LB_liste)->add_line(to_qt(ligne));
  }
}

bool TF_qx::autoriser(std::int32_t, bool, std::string&) { return true; }

void TF_qx::noire() {}

}  // namespace qx30
