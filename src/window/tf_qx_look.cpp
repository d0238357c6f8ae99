// Colours, font and the smallest window.

#include "window/look.h"
#include "window/tf_qx.h"

namespace qx30 {

// A colour chosen in the dialog goes to a list (or the window) and then to
// its label, so that both always show the same colour; a cancel leaves both.
// The colours reach the parameters file at the session's next save.
void TF_qx::choose_colour(QWidget* target, QWidget* label) {
  const std::optional<std::uint32_t> chosen = platform_.dialogs.colour();
  if (!chosen) return;
  set_background(target, *chosen);
  set_background(label, *chosen);
  couleurs_vers_session();
  montrer_tableau();
}

void TF_qx::Label_activesClick() { choose_colour(LB_actives, Label_actives); }

void TF_qx::Label_attenteClick() { choose_colour(LB_attente, Label_attente); }

void TF_qx::Label_listeClick() { choose_colour(LB_liste, Label_liste); }

void TF_qx::Label_noireClick() { choose_colour(LB_noire, Label_noire); }

void TF_qx::Label_heureClick() { choose_colour(this, Label_heure); }

// The dialog opens on the font and text colour the lists have now. The
// refresh restacks the lists with the new row height; the interdiction list
// keeps its own font.
void TF_qx::B_policeClick() {
  const std::optional<FontChoice> chosen =
      platform_.dialogs.font({LB_actives->font(), LB_actives->palette().color(QPalette::Text)});
  if (!chosen) return;
  for (SortedList* lb : {LB_actives, LB_attente, LB_liste}) {
    lb->setFont(chosen->font);
    set_text_colour(lb, chosen->colour);
  }
  session_.affichage();
}

// The tests read the outer size, the corrections set the client size: a
// window dragged too small jumps back a little larger than the limit.
void TF_qx::FormResize() {
  if (frameGeometry().height() < 399) resize(width(), 400);
  if (frameGeometry().width() < 599) resize(600, height());
}

}  // namespace qx30
