// The pilots' board from the desk: opened by its button or F2, shown after
// every refresh and every minute while it is open.

#include "board/tableau.h"
#include "common/str_to_int.h"
#include "window/look.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::B_tableauClick() {
  if (!tableau_) tableau_ = std::make_unique<TableauPilotes>();
  if (!tableau_->isVisible()) tableau_->ouvrir(screen());
  montrer_tableau();
  tableau_->raise();
}

void TF_qx::montrer_tableau() {
  // A closed board costs the refresh nothing.
  if (!tableau_ || !tableau_->isVisible()) return;
  // The frequency box holds the list as the last reload left it, each item
  // read as a registration reads it.
  std::vector<std::int32_t> frequences;
  for (int i = 0; i < CB_freq->count(); ++i)
    if (const auto f = try_str_to_int(from_qt(CB_freq->itemText(i)))) frequences.push_back(*f);
  const t_reglages_tableau reglages{session_.options(), str_to_int(session_.texte_temps_max()),
                                    str_to_int(session_.texte_nbre_max()), session_.horloge()};
  // In the order of the desk's own lists.
  const LineOrder avant;
  const auto ordre = [&avant](const std::string& a, const std::string& b) { return avant(to_qt(a), to_qt(b)); };
  tableau_->montrer(tableau_pilotes(session_.fiches(), session_.interdictions(), reglages, frequences, ordre),
                    {to_qcolor(background_of(LB_actives)), to_qcolor(background_of(LB_attente)),
                     to_qcolor(background_of(LB_noire))});
}

}  // namespace qx30
