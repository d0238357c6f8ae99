#pragma once
// TF_qx: the program's one window. It shows the day's session and forwards
// each operator move and each minute tick to it; the session decides.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "session/session.h"
#include "window/anchored_layout.h"
#include "window/board/tableau_pilotes.h"
#include "window/platform/dialogs.h"
#include "window/platform/launcher.h"
#include "window/platform/printer.h"
#include "window/widgets/caption.h"
#include "window/widgets/choice_box.h"
#include "window/widgets/sorted_list.h"

namespace qx30 {

// Items read for a choice box, to be added to it later.
using ArticlesDifferes = std::vector<std::pair<ChoiceBox*, std::vector<std::string>>>;

// The outside world the window talks to; tests give their own.
struct Platform {
  Dialogs& dialogs;
  Clock& clock;
  Launcher& launcher;
  Printer& printer;
};

class TF_qx : public QWidget, private SessionView {
  Q_OBJECT
 public:
  explicit TF_qx(Platform platform, QWidget* parent = nullptr);

  // Colours, limits, session name, journal, choice lists, clock and the
  // first refresh, then the editor's lookup and the offer of a session a
  // crash left open; a failing step shows its error and the start-up goes
  // on. Called on a window already shown, it leaves the lists' items, the
  // journal's first lines, the first automatic save, the editor's lookup and
  // the offer to just after the window's first paint (a close before it
  // runs them first).
  void principale();

  Session& session() { return session_; }

  // Handlers of the moves the session alone does not decide; the other
  // buttons and double-clicks go straight to the session's operations.
  void B_enregistrerClick();
  void E_nbre_maxChange();
  void E_temps_maxChange();
  void Timer60Timer();
  void b_saveClick();
  void B_seanceClick();
  void B_recharger_listesClick();
  void B_imprimerClick();
  // The pilots' board opened, or brought to the front (also F2): tf_qx_tableau.cpp.
  void B_tableauClick();
  // The board, while it is open, from the session and the frequency box as
  // they are now: what each refresh and each minute adds.
  void montrer_tableau();
  // Colours, font and the smallest window: tf_qx_look.cpp.
  void Label_activesClick();
  void Label_attenteClick();
  void Label_listeClick();
  void Label_noireClick();
  void Label_heureClick();
  void B_policeClick();
  void FormResize();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // FormClose: a failed final save keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void choose_colour(QWidget* target, QWidget* label);
  // The colours as the controls hold them, for the session's next save.
  void couleurs_vers_session();

  // SessionView: the window as the session sees it: tf_qx_view.cpp.
  std::optional<std::string> ligne_choisie(Liste liste) override;
  void message(const std::string& texte) override;
  bool question(const std::string& texte) override;
  void erreur(const std::string& message) override;
  void montrer(const t_rafraichissement& r, const t_legendes& l, bool tic_minute) override;
  void montrer_noire(const std::vector<std::string>& lignes) override;
  void montrer_horloge(const std::string& texte) override;
  // The three entry lists restacked to their lines.
  void apply_heights();

  // The controls at their places: tf_qx_layout.cpp. Each objectName is the member's name.
  void build_layout();
  template <class W>
  W* place(W* widget, const char* name, int left, int top, int width, int height, Anchor anchor,
           const char* hint = nullptr);
  Caption* place_label(const char* name, int left, int top, const char* caption, Anchor anchor);
  void wire_handlers();

  // Runs one handler; a runtime error ends it and shows the error box.
  void guarded(const std::function<void()>& handler);
  // Connects an event to a handler through guarded().
  template <class Sender, class Signal, class Handler>
  void on(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { guarded(handler); });
  }

  // The client area the layout was drawn for.
  static constexpr QSize design_size{792, 533};

  // The rest of the start-up, once the window is on the screen: its writes,
  // the editor's lookup, the offer of a session a crash left open.
  void suite_demarrage();
  void finir_demarrage();
  bool suite_differee_ = false;
  bool en_principale_ = false;
  bool suite_demandee_ = false;                 // by a paint inside one of principale's boxes
  std::optional<t_date_heure> reprise_depuis_;  // the start, once principale got that far
  ArticlesDifferes articles_differes_;          // the choice lists' items read by principale

  Platform platform_;
  Session session_;
  AnchoredLayout layout_;

  SortedList* LB_actives;
  SortedList* LB_attente;
  SortedList* LB_liste;
  SortedList* LB_noire;
  QPushButton* B_fin_vol;
  QPushButton* B_retirer_attente;
  QPushButton* B_attente;
  QPushButton* B_debut_vol;
  QPushButton* B_fin_attente;
  QPushButton* B_aide;
  QPushButton* B_tableau;
  QLineEdit* E_nbre_max;
  QLineEdit* E_temps_max;
  QCheckBox* case_ecart20;
  QCheckBox* case_intermodulation;
  QCheckBox* case_freq_image;
  ChoiceBox* CB_freq;
  ChoiceBox* CB_pilote;
  ChoiceBox* CB_comm;
  QPushButton* B_enregistrer;
  QPushButton* B_ajout_freq;
  QPushButton* B_ajout_pilote;
  QPushButton* B_ajout_comm;
  QPushButton* B_recharger_listes;
  QPushButton* B_supprimer;
  QCheckBox* case_save;
  QPushButton* b_save;
  QPushButton* B_imprimer;
  QPushButton* B_seance;
  QPushButton* B_police;
  QPushButton* B_raz;
  Caption* Label_heure;
  Caption* Label_actives;
  Caption* Label_attente;
  Caption* Label_liste;
  Caption* Label_depassement;
  Caption* Label_maxi;
  Caption* Label_interdiction;
  Caption* Label4;
  Caption* Label6;
  Caption* Label7;
  Caption* Label8;
  Caption* Label9;
  Caption* Label_noire;
  Caption* Label1;
  Caption* Label10;
  Caption* Label11;
  Caption* Label3;
  Caption* Label12;
  Caption* Label2;
  QTimer* Timer60;
  QTimer* temps_max_pose;
  std::unique_ptr<TableauPilotes> tableau_;
};

}  // namespace qx30
