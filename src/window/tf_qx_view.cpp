// The window as the session sees it: the selected lines, the boxes, and
// what a refresh, the interdiction list and the clock show.

#include "window/logic/hauteurs.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

namespace {

QStringList to_qt_lines(const std::vector<std::string>& lines) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& l : lines) out << to_qt(l);
  return out;
}

}  // namespace

std::optional<std::string> TF_qx::ligne_choisie(Liste liste) {
  const SortedList* lb = liste == Liste::actives ? LB_actives : liste == Liste::attente ? LB_attente : LB_liste;
  const int i = lb->selected();
  if (i < 0) return std::nullopt;
  return from_qt(lb->line(i));
}

void TF_qx::message(const std::string& texte) { platform_.dialogs.message(to_qt(texte)); }

bool TF_qx::question(const std::string& texte) { return platform_.dialogs.question(to_qt(texte)); }

void TF_qx::erreur(const std::string& message) { platform_.dialogs.error(error_box_text(message)); }

void TF_qx::montrer(const t_rafraichissement& r, const t_legendes& l, bool tic_minute) {
  // The clock's refresh keeps the operator's selections in the lists it rebuilds.
  const int index_actives = LB_actives->selected();
  const int index_attente = LB_attente->selected();
  LB_attente->replace_lines(to_qt_lines(r.attente));
  LB_actives->replace_lines(to_qt_lines(r.actives));
  if (!tic_minute) LB_liste->replace_lines(to_qt_lines(r.liste));
  Label_depassement->set_caption(to_qt(r.depassement));
  Label_interdiction->set_caption(to_qt(r.interdiction));
  if (tic_minute) {
    LB_actives->select(index_actives);
    LB_attente->select(index_attente);
  }
  Label_liste->set_caption(to_qt(l.liste));
  Label_attente->set_caption(to_qt(l.attente));
  Label_actives->set_caption(to_qt(l.actives));
  Label_noire->set_caption(to_qt(l.noire));
  Label_maxi->set_caption(to_qt(l.maxi));
  apply_heights();
  montrer_tableau();
}

void TF_qx::montrer_noire(const std::vector<std::string>& lignes) { LB_noire->replace_lines(to_qt_lines(lignes)); }

void TF_qx::montrer_horloge(const std::string& texte) {
  Label_heure->set_caption(to_qt(texte));
  montrer_tableau();
}

void TF_qx::apply_heights() {
  t_pile pile;
  pile.rangee_actives = LB_actives->row_height();
  pile.rangee_attente = LB_attente->row_height();
  pile.rangee_liste = LB_liste->row_height();
  pile.lignes_actives = LB_actives->line_count();
  pile.lignes_attente = LB_attente->line_count();
  pile.haut_actives = LB_actives->y();
  pile.haut_label1 = Label1->y();
  const t_hauteurs h = empiler(pile);
  // Kept as design places, so the next resize starts from the stacking.
  auto apply = [this](SortedList* lb, t_place p) { layout_.restack(lb, p.haut, p.hauteur); };
  apply(LB_actives, h.actives);
  apply(LB_attente, h.attente);
  apply(LB_liste, h.liste);
}

}  // namespace qx30
