// The minute clock.

#include "window/logic/minute.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::Timer60Timer() {
  Label_heure->set_caption(to_qt(texte_date_heure(platform_.clock.now()).substr(0, 16)));
  if (!compter_minute(fiches)) return;  // nothing waiting or in flight: no refresh, no save
  tic_minute = true;
  index_actives = LB_actives->selected();
  index_attente = LB_attente->selected();
  affichage();
}

}  // namespace qx30
