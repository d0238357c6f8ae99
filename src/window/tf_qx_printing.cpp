// The printed list of registered entries.

#include <stdexcept>

#include "printing/imprimante.h"
#include "printing/liste_enregistres.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::wire_printing() { on(B_imprimer, &QPushButton::clicked, &TF_qx::B_imprimerClick); }

void TF_qx::B_imprimerClick() {
  const std::optional<QString> nom = platform_.printer.default_printer();
  if (!nom) throw std::runtime_error(pas_d_imprimante_par_defaut);
  // The printer's name goes into the question as it is, whatever its characters.
  if (!platform_.dialogs.question(to_qt(question_impression_debut) + *nom + to_qt(question_impression_fin)))
    return;
  // Read after the answer: the minute clock may have moved on meanwhile.
  const std::string heure = from_qt(Label_heure->text());
  const std::string compte = from_qt(Label_liste->text());
  platform_.printer.print([&](Canvas& canvas) { imprimer_liste(canvas, fiches, heure, compte); });
}

}  // namespace qx30
