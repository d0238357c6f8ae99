// Session files, choice lists, start-up and shutdown.

#include <QCloseEvent>
#include <QDir>
#include <filesystem>

#include "storage/listes.h"
#include "storage/parametres.h"
#include "storage/seance.h"
#include "window/look.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

namespace {

// A choice box as the list reload drives it.
class BoiteQt : public BoiteChoix {
 public:
  explicit BoiteQt(ChoiceBox* box) : box_(box) {}

  // Emptying the items empties the typed text too.
  void vider() override { box_->load_items({}); }

  void ajouter(const std::vector<std::string>& items) override {
    for (const std::string& item : items) box_->add_item(to_qt(item));
    // Adding to an empty box would make its first item current.
    box_->choose(-1);
  }

  void fixer_texte(const std::string& texte) override {
    box_->choose(-1);
    box_->set_edit_text(to_qt(texte));
  }

 private:
  ChoiceBox* box_;
};

// From UTF-16, which the path converts to the system's own names on every
// platform: UTF-8 on Linux, wide characters on Windows (a folder such as
// "Séances d'été" whatever the code page).
std::filesystem::path chemin(const QString& name) {
  return std::filesystem::path(name.toStdU16String());
}

}  // namespace

void TF_qx::wire_storage() {
  on(b_save, &QPushButton::clicked, &TF_qx::b_saveClick);
  on(B_seance, &QPushButton::clicked, &TF_qx::B_seanceClick);
  on(B_recharger_listes, &QPushButton::clicked, &TF_qx::B_recharger_listesClick);
  on(B_ajout_freq, &QPushButton::clicked, &TF_qx::B_ajout_freqClick);
  on(B_ajout_pilote, &QPushButton::clicked, &TF_qx::B_ajout_piloteClick);
  on(B_ajout_comm, &QPushButton::clicked, &TF_qx::B_ajout_commClick);
  on(B_aide, &QPushButton::clicked, &TF_qx::B_aideClick);
}

t_parametres TF_qx::couleurs_affichees() const {
  return t_parametres{background_of(LB_actives), background_of(LB_attente), background_of(LB_liste),
                      background_of(LB_noire), background_of(this)};
}

// Called by the refresh, which must finish whatever the save does: the error
// is shown here rather than thrown.
void TF_qx::sauvegarde_auto() {
  // A start-up that stopped early gave the session no automatic file.
  if (nom_fichier_auto.empty()) return;
  try {
    save_seance(nom_fichier_auto, fiches, couleurs_affichees());
  } catch (const std::exception& e) {
    // The minute clock goes on while the box is open; its refreshes fail
    // the same way and would pile up one box per minute.
    if (erreur_auto_ouverte_) return;
    erreur_auto_ouverte_ = true;
    platform_.dialogs.error(error_box_text(e.what()));
    erreur_auto_ouverte_ = false;
  }
}

void TF_qx::b_saveClick() {
  const std::string nom = nom_seance(platform_.clock.now()) + std::string(suffixe_manuel);
  save_seance(nom, fiches, couleurs_affichees());
  journal(evenement_seul(Evenement::sauvegarde_manuelle, nom));
  platform_.dialogs.message(QString::fromUtf8("séance sauvegardée dans le fichier : ") + to_qt(nom));
}

void TF_qx::B_seanceClick() {
  // Qt's dialog matches the pattern whatever the case of the extension.
  const std::optional<QString> choisi =
      platform_.dialogs.open_file(QString::fromUtf8("Choisir le fichier SEANCE à charger"),
                                  QStringLiteral("Fichiers seance (*.dat)"), QDir::currentPath());
  // The whole file is checked before the table changes; on an error neither
  // the table nor the window changes.
  if (choisi) {
    charger_seance(fiches, chemin(*choisi));
    journal(evenement_seul(Evenement::chargement, from_qt(*choisi)));
  }
  // A cancelled load refreshes too. noire ends with the refresh.
  noire();
}

void TF_qx::B_recharger_listesClick() {
  BoiteQt freq(CB_freq);
  BoiteQt pilote(CB_pilote);
  BoiteQt comm(CB_comm);
  recharger_listes(freq, pilote, comm);
}

void TF_qx::B_ajout_freqClick() { platform_.launcher.open_in_editor(fichier_frequences); }

void TF_qx::B_ajout_piloteClick() { platform_.launcher.open_in_editor(fichier_pilotes); }

void TF_qx::B_ajout_commClick() { platform_.launcher.open_in_editor(fichier_commentaires); }

void TF_qx::B_aideClick() { platform_.launcher.open_in_editor(fichier_aide); }

void TF_qx::principale() {
  // The clock runs from the window's creation, whatever becomes of the rest.
  Timer60->start();
  // A failing step shows its error and the start-up goes on: stopping there
  // would leave the whole day without its automatic session file.
  guarded([this] {
    tic_minute = false;
    Label_depassement->set_caption(QString());
    Label_interdiction->set_caption(QString());
    Label_maxi->set_caption(QString());

    t_parametres p = parametres_par_defaut;
    guarded([&] { p = lire_param(); });
    set_background(Label_actives, p.couleur_actives);
    set_background(LB_actives, p.couleur_actives);
    set_background(Label_attente, p.couleur_attente);
    set_background(LB_attente, p.couleur_attente);
    set_background(Label_liste, p.couleur_liste);
    set_background(LB_liste, p.couleur_liste);
    set_background(Label_noire, p.couleur_noire);
    set_background(LB_noire, p.couleur_noire);
    set_background(Label_heure, p.couleur_fond);
    set_background(this, p.couleur_fond);

    E_nbre_max->setText(QStringLiteral("5"));
    E_temps_max->setText(QStringLiteral("10"));

    nom_fichier_auto = nom_seance(platform_.clock.now()) + std::string(suffixe_auto);
    demarrer_journal();

    guarded([this] { B_recharger_listesClick(); });
    Timer60Timer();
    affichage();
  });
}

void TF_qx::FormClose() {
  // Written whatever case_save says.
  const std::string nom = nom_seance(platform_.clock.now()) + std::string(suffixe_final);
  save_seance(nom, fiches, couleurs_affichees());
  journal(evenement_seul(Evenement::fermeture, nom));
}

void TF_qx::closeEvent(QCloseEvent* event) {
  bool ecrit = false;
  guarded([&] {
    FormClose();
    ecrit = true;
  });
  // Closing without the final file would lose the session.
  if (ecrit)
    event->accept();
  else
    event->ignore();
}

}  // namespace qx30
