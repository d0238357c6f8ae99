#include "window/tf_qx.h"

#include <QShortcut>
#include <stdexcept>

#include "printing/imprimante.h"
#include "printing/liste_enregistres.h"
#include "register/flight.h"
#include "storage/listes.h"
#include "window/qt_text.h"

namespace qx30 {

TF_qx::TF_qx(Platform platform, QWidget* parent)
    : QWidget(parent), platform_(platform), session_(*this, platform.clock), layout_(*this, design_size) {
  build_layout();
  couleurs_vers_session();
  Timer60 = new QTimer(this);
  Timer60->setObjectName(QStringLiteral("Timer60"));
  Timer60->setInterval(60000);
  // A coarse timer may fire seconds early.
  Timer60->setTimerType(Qt::PreciseTimer);
  // A limit the operator stops typing for a while is the one he meant.
  temps_max_pose = new QTimer(this);
  temps_max_pose->setObjectName(QStringLiteral("temps_max_pose"));
  temps_max_pose->setSingleShot(true);
  temps_max_pose->setInterval(3000);
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
  Session& s = session_;
  on(B_enregistrer, &QPushButton::clicked, [this] { B_enregistrerClick(); });
  on(B_supprimer, &QPushButton::clicked, [&s] { s.supprimer(); });
  on(B_raz, &QPushButton::clicked, [&s] { s.remise_a_zero(); });
  on(B_debut_vol, &QPushButton::clicked, [&s] { s.debut_vol(); });
  on(B_fin_attente, &QPushButton::clicked, [&s] { s.fin_attente(); });
  on(B_attente, &QPushButton::clicked, [&s] { s.mettre_en_attente(); });
  on(B_retirer_attente, &QPushButton::clicked, [&s] { s.retirer_attente(); });
  on(B_fin_vol, &QPushButton::clicked, [&s] { s.fin_vol(); });
  on(LB_liste, &SortedList::double_clicked, [&s] { s.debut_vol(); });
  on(LB_attente, &SortedList::double_clicked, [&s] { s.fin_attente(); });
  on(LB_actives, &SortedList::double_clicked, [&s] { s.fin_vol(); });
  on(E_nbre_max, &QLineEdit::textChanged, [this] { E_nbre_maxChange(); });
  on(E_temps_max, &QLineEdit::textChanged, [this] { E_temps_maxChange(); });
  connect(E_temps_max, &QLineEdit::textChanged, temps_max_pose, qOverload<>(&QTimer::start));
  on(E_temps_max, &QLineEdit::editingFinished, [&s] { s.poser_temps_max(); });
  on(temps_max_pose, &QTimer::timeout, [&s] { s.poser_temps_max(); });
  // The boxes' states reach the session however they change; a click by the
  // operator then rebuilds the interdictions.
  for (QCheckBox* c : {case_ecart20, case_intermodulation, case_freq_image}) {
    connect(c, &QCheckBox::toggled, this, [this] {
      session_.fixer_options({case_ecart20->isChecked(), case_intermodulation->isChecked(),
                              case_freq_image->isChecked()});
    });
    on(c, &QCheckBox::clicked, [&s] { s.noire(); });
  }
  connect(case_save, &QCheckBox::toggled, this, [this](bool on) { session_.fixer_sauvegarde_auto(on); });
  on(Timer60, &QTimer::timeout, [this] { Timer60Timer(); });
  on(b_save, &QPushButton::clicked, [this] { b_saveClick(); });
  on(B_seance, &QPushButton::clicked, [this] { B_seanceClick(); });
  on(B_recharger_listes, &QPushButton::clicked, [this] { B_recharger_listesClick(); });
  on(B_imprimer, &QPushButton::clicked, [this] { B_imprimerClick(); });
  Launcher& launcher = platform_.launcher;
  on(B_ajout_freq, &QPushButton::clicked, [&launcher] { launcher.open_in_editor(fichier_frequences); });
  on(B_ajout_pilote, &QPushButton::clicked, [&launcher] { launcher.open_in_editor(fichier_pilotes); });
  on(B_ajout_comm, &QPushButton::clicked, [&launcher] { launcher.open_in_editor(fichier_commentaires); });
  on(B_aide, &QPushButton::clicked, [&launcher] { launcher.open_in_editor(fichier_aide); });
  on(B_tableau, &QPushButton::clicked, [this] { B_tableauClick(); });
  on(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, [this] { B_tableauClick(); });
  on(Label_actives, &Caption::clicked, [this] { Label_activesClick(); });
  on(Label_attente, &Caption::clicked, [this] { Label_attenteClick(); });
  on(Label_liste, &Caption::clicked, [this] { Label_listeClick(); });
  on(Label_noire, &Caption::clicked, [this] { Label_noireClick(); });
  on(Label_heure, &Caption::clicked, [this] { Label_heureClick(); });
  on(B_police, &QPushButton::clicked, [this] { B_policeClick(); });
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
  if (session_.enregistrer(saisie) == Enregistrement::enregistre) {
    CB_freq->choose(-1);
    CB_freq->set_edit_text(QStringLiteral("choisir"));
    CB_freq->setFocus();
  }
}

// Setting the corrected text runs the handler again, nested; that run finds
// the text valid and only refreshes.
void TF_qx::E_nbre_maxChange() {
  session_.fixer_nbre_max(from_qt(E_nbre_max->text()));
  if (auto texte = texte_limite(from_qt(E_nbre_max->text()), limite_nbre_max)) E_nbre_max->setText(to_qt(*texte));
  session_.affichage();
}

void TF_qx::E_temps_maxChange() {
  session_.fixer_temps_max(from_qt(E_temps_max->text()));
  if (auto texte = texte_limite(from_qt(E_temps_max->text()), limite_temps_max))
    E_temps_max->setText(to_qt(*texte));
  session_.affichage();
}

void TF_qx::Timer60Timer() { session_.minute(); }

void TF_qx::B_imprimerClick() {
  const std::optional<QString> nom = platform_.printer.default_printer();
  if (!nom) throw std::runtime_error(pas_d_imprimante_par_defaut);
  // The printer's name goes into the question as it is, whatever its characters.
  if (!platform_.dialogs.question(to_qt(question_impression_debut) + *nom + to_qt(question_impression_fin)))
    return;
  // Read after the answer: the minute clock may have moved on meanwhile.
  const std::string heure = session_.horloge();
  const std::string compte = session_.legendes().liste;
  platform_.printer.print([&](Canvas& canvas) { imprimer_liste(canvas, session_.fiches(), heure, compte); });
}

}  // namespace qx30
