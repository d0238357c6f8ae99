// Session files, choice lists, start-up and shutdown.

#include <QCloseEvent>
#include <QDir>
#include <QTimer>
#include <filesystem>
#include <utility>

#include "storage/listes.h"
#include "storage/parametres.h"
#include "window/look.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

namespace {

void ajouter_articles(ChoiceBox* box, const std::vector<std::string>& items) {
  const QString texte = box->edit_text();
  for (const std::string& item : items) box->add_item(to_qt(item));
  // Adding to an empty box would make its first item current.
  box->choose(-1);
  box->set_edit_text(texte);
}

// A choice box as the list reload drives it; the items go to `attente`
// instead, when given, and the box's texts are set all the same.
class BoiteQt : public BoiteChoix {
 public:
  BoiteQt(ChoiceBox* box, ArticlesDifferes* attente) : box_(box), attente_(attente) {}

  // Emptying the items empties the typed text too.
  void vider() override { box_->load_items({}); }

  void ajouter(const std::vector<std::string>& items) override {
    if (attente_) attente_->emplace_back(box_, items);
    else ajouter_articles(box_, items);
  }

  void fixer_texte(const std::string& texte) override {
    box_->choose(-1);
    box_->set_edit_text(to_qt(texte));
  }

 private:
  ChoiceBox* box_;
  ArticlesDifferes* attente_;
};

// From UTF-16, which the path converts to the system's own names on every
// platform: UTF-8 on Linux, wide characters on Windows (a folder such as
// "Séances d'été" whatever the code page).
std::filesystem::path chemin(const QString& name) {
  return std::filesystem::path(name.toStdU16String());
}

}  // namespace

void TF_qx::couleurs_vers_session() {
  session_.fixer_couleurs(t_parametres{background_of(LB_actives), background_of(LB_attente),
                                       background_of(LB_liste), background_of(LB_noire), background_of(this)});
}

void TF_qx::b_saveClick() { session_.sauvegarde_manuelle(); }

void TF_qx::B_seanceClick() {
  // Models in the air are not replaced without the operator's word; No
  // changes nothing.
  if (!session_.remplacement_confirme()) return;
  // Qt's dialog matches the pattern whatever the case of the extension.
  const std::optional<QString> choisi =
      platform_.dialogs.open_file(QString::fromUtf8("Choisir le fichier SEANCE à charger"),
                                  QStringLiteral("Fichiers seance (*.dat)"), QDir::currentPath());
  // The whole file is checked before the table changes; on an error neither
  // the table nor the window changes.
  if (choisi) session_.charger(chemin(*choisi), from_qt(*choisi));
  // A cancelled load refreshes too. noire ends with the refresh.
  session_.noire();
}

void TF_qx::B_recharger_listesClick() {
  // The start-up on a window already shown leaves the items for after its
  // first paint; the boxes' texts show in it.
  ArticlesDifferes* attente = en_principale_ && suite_differee_ ? &articles_differes_ : nullptr;
  BoiteQt freq(CB_freq, attente);
  BoiteQt pilote(CB_pilote, attente);
  BoiteQt comm(CB_comm, attente);
  // The board shows the frequencies the reload leaves, also part of a list.
  try {
    recharger_listes(freq, pilote, comm);
  } catch (...) {
    montrer_tableau();
    throw;
  }
  montrer_tableau();
}

void TF_qx::principale() {
  // The clock runs from the window's creation, whatever becomes of the rest.
  Timer60->start();
  // Shown first, the window leaves what its first paint does not show (the
  // choice lists' items, the journal's first lines, the first automatic save,
  // the editor's lookup and the offer of a session a crash left open) to
  // just after that paint.
  suite_differee_ = isVisible();
  if (suite_differee_) {
    session_.differer_ecritures();
    // Should the window not be painted soon (covered, minimised), the rest
    // comes all the same.
    QTimer::singleShot(1000, this, [this] { suite_demarrage(); });
  }
  en_principale_ = true;
  // A failing step shows its error and the start-up goes on: stopping there
  // would leave the whole day without its automatic session file.
  guarded([this] {
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
    couleurs_vers_session();

    E_nbre_max->setText(QStringLiteral("5"));
    E_temps_max->setText(QStringLiteral("10"));

    const t_date_heure debut = platform_.clock.now();
    session_.demarrer(debut);

    guarded([this] { B_recharger_listesClick(); });
    Timer60Timer();
    session_.affichage();
    reprise_depuis_ = debut;
  });
  en_principale_ = false;
  if (!suite_differee_) {
    finir_demarrage();
  } else if (std::exchange(suite_demandee_, false)) {
    // Painted inside one of principale's boxes: the rest follows principale.
    QTimer::singleShot(0, this, [this] { suite_demarrage(); });
  }
}

void TF_qx::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Once this paint has reached the screen.
  if (suite_differee_) QTimer::singleShot(0, this, [this] { suite_demarrage(); });
}

void TF_qx::suite_demarrage() {
  if (!suite_differee_) return;
  // Not inside a box of principale's own: the rest keeps its order.
  if (en_principale_) {
    suite_demandee_ = true;
    return;
  }
  suite_differee_ = false;
  finir_demarrage();
}

void TF_qx::finir_demarrage() {
  for (const auto& [box, items] : std::exchange(articles_differes_, {})) ajouter_articles(box, items);
  guarded([this] { session_.ecrire_differe(); });
  platform_.launcher.prepare();
  // A file the load refuses shows the load's box; the day goes on with an
  // empty table and the file stays as it is.
  if (const std::optional<t_date_heure> debut = std::exchange(reprise_depuis_, std::nullopt))
    guarded([&] { session_.reprendre(*debut); });
}

void TF_qx::closeEvent(QCloseEvent* event) {
  suite_demarrage();  // the start-up ends before the close begins
  bool ecrit = false;
  guarded([&] {
    // Models in the air are not left without the operator's word.
    if (!session_.fermeture_confirmee()) return;
    // Written whatever case_save says.
    session_.fermer();
    ecrit = true;
  });
  // Closing without the final file would lose the session; No keeps it open.
  // The board goes with the desk, and only then.
  if (ecrit && tableau_) tableau_->close();
  if (ecrit)
    event->accept();
  else
    event->ignore();
}

}  // namespace qx30
