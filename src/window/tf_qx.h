#pragma once
// TF_qx: the program's one window. It owns the entry table for the whole run
// and turns each event into one operation of the register.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "interdictions/interdictions.h"
#include "register/desk.h"
#include "register/fiches.h"
#include "storage/journal.h"
#include "common/clock.h"
#include "window/caption.h"
#include "window/choice_box.h"
#include "window/platform/dialogs.h"
#include "window/platform/launcher.h"
#include "window/platform/printer.h"
#include "window/sorted_list.h"

namespace qx30 {

// The outside world the window talks to; tests give their own.
struct Platform {
  Dialogs& dialogs;
  Clock& clock;
  Launcher& launcher;
  Printer& printer;
};

class TF_qx : public QWidget, public Desk {
  Q_OBJECT
 public:
  explicit TF_qx(Platform platform, QWidget* parent = nullptr);

  t_fiches fiches;
  t_interdictions interdictions;

  // Set by the minute clock for the refresh it starts: that refresh leaves
  // the registered list alone and puts these selections back.
  bool tic_minute = false;
  int index_actives = -1;
  int index_attente = -1;

  // Desk: the window as the register's operations see it.
  std::optional<std::string> ligne_choisie(Liste liste) override;
  void message(const std::string& texte) override;
  bool question(const std::string& texte) override;
  void affichage() override;
  int nombre_en_vol() override;
  int nbre_max() override;
  std::string heure() override;
  bool autoriser(std::int32_t freq_testee, bool teste_en_vol, std::string& texte_motifs) override;
  void noire() override;
  void journal(const t_evenement& evenement) override;

  // Handlers.
  void B_enregistrerClick();
  void B_supprimerClick();
  void B_razClick();
  void B_debut_volClick();
  void B_fin_attenteClick();
  void B_attenteClick();
  void B_retirer_attenteClick();
  void B_fin_volClick();
  void E_nbre_maxChange();
  void E_temps_maxChange();
  void Timer60Timer();

  // Session files, choice lists, start-up and shutdown: tf_qx_storage.cpp.
  std::string nom_fichier_auto;
  void principale();
  void b_saveClick();
  void B_seanceClick();
  void B_recharger_listesClick();
  void B_ajout_freqClick();
  void B_ajout_piloteClick();
  void B_ajout_commClick();
  void B_aideClick();

  // Colours, font and the smallest window: tf_qx_look.cpp.
  void Label_activesClick();
  void Label_attenteClick();
  void Label_listeClick();
  void Label_noireClick();
  void Label_heureClick();
  void B_policeClick();
  void FormResize();

  // The printed list: tf_qx_printing.cpp.
  void B_imprimerClick();

  // Controls; each objectName is the member's name.
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

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // FormClose: a failed final save keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class Anchor { top_left, top_left_right, top_right, bottom_left, all, top_right_bottom };
  // A control tied to edges of the window, with its place in the design
  // client area of 792 x 533; a negative size there is kept, not clamped.
  static constexpr int design_width = 792;
  static constexpr int design_height = 533;
  struct Anchored {
    QWidget* widget;
    Anchor anchor;
    int left, top, width, height;
  };

  void build_layout();
  template <class W>
  W* place(W* widget, const char* name, int left, int top, int width, int height, Anchor anchor,
           const char* hint = nullptr);
  Caption* place_label(const char* name, int left, int top, const char* caption, Anchor anchor);
  void wire_handlers();

  // Runs one handler; a runtime error ends it and shows the error box.
  void guarded(const std::function<void()>& handler);
  // Connects an event to a handler through guarded().
  template <class Sender, class Signal>
  void on(Sender* sender, Signal signal, void (TF_qx::*handler)()) {
    connect(sender, signal, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
  }
  void apply_heights();
  // Each group of handlers connects its own events.
  void wire_storage();
  // Session files: the automatic save of the refresh, the final save, and the
  // colours as the controls hold them.
  void sauvegarde_auto();
  void FormClose();
  // At start-up: offers the session of a run of the day that never closed.
  void reprendre_seance(const t_date_heure& debut);
  t_parametres couleurs_affichees() const;
  // A failed automatic save's error box is open: later failures add no box.
  bool erreur_auto_ouverte_ = false;
  void wire_look();
  void wire_printing();

  // The session's journal: tf_qx_journal.cpp. Opened by the start-up under
  // the automatic file's session name.
  void demarrer_journal();
  // Overruns and conflicts among the models in flight, reported by the
  // refresh when they begin rather than at every refresh.
  void journal_alertes(int temps_max, bool conflit);
  std::optional<Journal> journal_;
  bool erreur_journal_ouverte_ = false;
  std::vector<bool> en_depassement_ = std::vector<bool>(nb_places + 1);
  bool en_conflit_ = false;

  SortedList* list_of(Liste liste) const;

  Platform platform_;
  std::vector<Anchored> anchored_;
  // Puts a control where its anchors take it at the window's present size.
  void place_anchored(const Anchored& a);
  Anchored& anchored_of(const QWidget* widget);
};

}  // namespace qx30
