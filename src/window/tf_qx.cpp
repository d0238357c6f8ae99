#include "window/tf_qx.h"

#include "register/flight.h"
#include "register/registration.h"
#include "common/str_to_int.h"
#include "window/logic/minute.h"
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

void TF_qx::wire_handlers() {
  on(B_enregistrer, &QPushButton::clicked, &TF_qx::B_enregistrerClick);
  on(B_supprimer, &QPushButton::clicked, &TF_qx::B_supprimerClick);
  on(B_raz, &QPushButton::clicked, &TF_qx::B_razClick);
  on(B_debut_vol, &QPushButton::clicked, &TF_qx::B_debut_volClick);
  on(B_fin_attente, &QPushButton::clicked, &TF_qx::B_fin_attenteClick);
  on(B_attente, &QPushButton::clicked, &TF_qx::B_attenteClick);
  on(B_retirer_attente, &QPushButton::clicked, &TF_qx::B_retirer_attenteClick);
  on(B_fin_vol, &QPushButton::clicked, &TF_qx::B_fin_volClick);
  on(LB_liste, &SortedList::double_clicked, &TF_qx::B_debut_volClick);
  on(LB_attente, &SortedList::double_clicked, &TF_qx::B_fin_attenteClick);
  on(LB_actives, &SortedList::double_clicked, &TF_qx::B_fin_volClick);
  on(E_nbre_max, &QLineEdit::textChanged, &TF_qx::E_nbre_maxChange);
  on(E_temps_max, &QLineEdit::textChanged, &TF_qx::E_temps_maxChange);
  on(case_ecart20, &QCheckBox::clicked, &TF_qx::noire);
  on(case_intermodulation, &QCheckBox::clicked, &TF_qx::noire);
  on(case_freq_image, &QCheckBox::clicked, &TF_qx::noire);
  on(Timer60, &QTimer::timeout, &TF_qx::Timer60Timer);
  wire_storage();
  wire_look();
  wire_printing();
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

void TF_qx::B_debut_volClick() { debut_vol(fiches, *this); }

void TF_qx::B_fin_attenteClick() { fin_attente(fiches, *this); }

void TF_qx::B_attenteClick() { mettre_en_attente(fiches, *this); }

void TF_qx::B_retirer_attenteClick() { retirer_attente(fiches, *this); }

void TF_qx::B_fin_volClick() { fin_vol(fiches, *this); }

// Setting the corrected text runs the handler again, nested; that run finds
// the text valid and only refreshes.
void TF_qx::E_nbre_maxChange() {
  if (auto texte = texte_limite(from_qt(E_nbre_max->text()), limite_nbre_max)) E_nbre_max->setText(to_qt(*texte));
  affichage();
}

void TF_qx::E_temps_maxChange() {
  if (auto texte = texte_limite(from_qt(E_temps_max->text()), limite_temps_max))
    E_temps_max->setText(to_qt(*texte));
  affichage();
}

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

std::string TF_qx::heure() { return heure_horloge(from_qt(Label_heure->text())); }

}  // namespace qx30
