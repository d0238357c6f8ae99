// The refresh: every list and label rebuilt from the table, and the
// interdiction list rebuilt from the frequencies in flight.

#include "interdictions/autorisation.h"
#include "interdictions/noire.h"
#include "common/str_to_int.h"
#include "window/logic/hauteurs.h"
#include "window/logic/rafraichir.h"
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

void TF_qx::affichage() {
  Label_depassement->set_caption(QString());
  Label_interdiction->set_caption(QString());
  const auto verifier = [this](std::int32_t freq, bool en_vol, std::string& motifs) {
    return autoriser(freq, en_vol, motifs);
  };
  const int temps_max = str_to_int(from_qt(E_temps_max->text()));
  const t_rafraichissement r = rafraichir(fiches, verifier, temps_max, tic_minute);
  LB_attente->replace_lines(to_qt_lines(r.attente));
  LB_actives->replace_lines(to_qt_lines(r.actives));
  if (!tic_minute) LB_liste->replace_lines(to_qt_lines(r.liste));
  Label_depassement->set_caption(to_qt(r.depassement));
  Label_interdiction->set_caption(to_qt(r.interdiction));
  if (tic_minute) {
    LB_actives->select(index_actives);
    LB_attente->select(index_attente);
  }

  const int en_attente = LB_attente->line_count();
  const int en_vol = LB_actives->line_count();
  const t_legendes l = legendes(LB_liste->line_count() + en_attente + en_vol, en_attente, en_vol,
                                LB_noire->line_count(), str_to_int(from_qt(E_nbre_max->text())));
  Label_liste->set_caption(to_qt(l.liste));
  Label_attente->set_caption(to_qt(l.attente));
  Label_actives->set_caption(to_qt(l.actives));
  Label_noire->set_caption(to_qt(l.noire));
  Label_maxi->set_caption(to_qt(l.maxi));

  apply_heights();
  // Either may open an error box, inside which the minute clock can run a
  // refresh of its own: both come once this one is complete.
  journal_alertes(temps_max, !r.interdiction.empty());
  if (case_save->isChecked()) sauvegarde_auto();
  tic_minute = false;
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
  auto apply = [this](SortedList* lb, t_place p) {
    // The heights leave room for the rows only: a horizontal scroll bar would
    // cover the last of them (the only one of a list one row high), so a
    // line wider than its list is cut at the edge.
    lb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Kept as design places, so the next resize starts from the stacking.
    Anchored& a = anchored_of(lb);
    a.top = p.haut;
    a.height = p.hauteur - (a.anchor == Anchor::all ? height() - design_height : 0);
    place_anchored(a);
  };
  apply(LB_actives, h.actives);
  apply(LB_attente, h.attente);
  apply(LB_liste, h.liste);
}

bool TF_qx::autoriser(std::int32_t freq_testee, bool teste_en_vol, std::string& texte_motifs) {
  return auto_(interdictions, freq_testee, teste_en_vol, case_ecart20->isChecked(), texte_motifs);
}

void TF_qx::noire() {
  qx30::noire(fiches, options_noire{case_intermodulation->isChecked(), case_freq_image->isChecked()},
              interdictions);
  LB_noire->replace_lines(to_qt_lines(lignes_noire(interdictions)));
  affichage();
}

}  // namespace qx30
