#include "window/tf_qx.h"

#include "register/registration.h"
#include "register/str_to_int.h"
#include "window/qt_text.h"

namespace qx30 {

TF_qx::TF_qx(Platform platform, QWidget* parent) : QWidget(parent), platform_(platform) {
  build_layout();
  Timer60 = new QTimer(this);
  Timer60->setObjectName(QStringLiteral("Timer60"));
  Timer60->setInterval(60000);
  wire_handlers();
}

void TF_qx::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    platform_.dialogs.error(error_box_text(e.what()));
  }
}

void TF_qx::on_click(QPushButton* button, void (TF_qx::*handler)()) {
  connect(button, &QPushButton::clicked, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
}

void TF_qx::wire_handlers() {
  on_click(B_enregistrer, &TF_qx::B_enregistrerClick);
  on_click(B_supprimer, &TF_qx::B_supprimerClick);
  on_click(B_raz, &TF_qx::B_razClick);
}

void TF_qx::B_enregistrerClick() {
  // A chosen item stands for the field's text; otherwise the typed text.
  auto texte = [](ChoiceBox* box) {
    return from_qt(box->chosen() >= 0 ? box->itemText(box->chosen()) : box->edit_text());
  };
  Saisie saisie;
  if (CB_freq->chosen() >= 0) saisie.frequence = from_qt(CB_freq->itemText(CB_freq->chosen()));
  saisie.pilote = texte(CB_pilote);
  saisie.commentaire = texte(CB_comm);
  if (saisie.frequence) {
    if (CB_pilote->chosen() >= 0) CB_pilote->set_edit_text(to_qt(saisie.pilote));
    if (CB_comm->chosen() >= 0) CB_comm->set_edit_text(to_qt(saisie.commentaire));
  }
  if (enregistrer(fiches, *this, saisie) == Enregistrement::enregistre) {
    CB_freq->choose(-1);
    CB_freq->set_edit_text(QStringLiteral("choisir"));
    CB_freq->setFocus();
  }
}

void TF_qx::B_supprimerClick() { supprimer(fiches, *this); }

void TF_qx::B_razClick() { remise_a_zero(fiches, *this); }

SortedList* TF_qx::list_of(Liste liste) const {
  switch (liste) {
    case Liste::liste: return LB_liste;
    case Liste::attente: return LB_attente;
    case Liste::actives: return LB_actives;
  }
  return LB_liste;
}

std::optional<std::string> TF_qx::ligne_choisie(Liste liste) {
  const SortedList* lb = list_of(liste);
  const int i = lb->selected();
  if (i < 0) return std::nullopt;
  return from_qt(lb->line(i));
}

void TF_qx::message(const std::string& texte) { platform_.dialogs.message(to_qt(texte)); }

bool TF_qx::question(const std::string& texte) { return platform_.dialogs.question(to_qt(texte)); }

int TF_qx::nombre_en_vol() { return LB_actives->line_count(); }

int TF_qx::nbre_max() { return str_to_int(from_qt(E_nbre_max->text())); }

std::string TF_qx::heure() { return from_qt(Label_heure->text().mid(11, 5)); }

}  // namespace qx30
