#pragma once
// The day's session: the entry table, the interdictions built from the
// models in flight, the limits and options as the operator set them, the
// clock's text, the automatic file and the journal. The window shows it and
// forwards each operator move and each minute tick to it; everything the
// session decides, it decides here, without Qt.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "interdictions/interdictions.h"
#include "register/desk.h"
#include "register/fiches.h"
#include "register/registration.h"
#include "session/rafraichir.h"
#include "session/session_view.h"
#include "storage/file_system.h"
#include "storage/journal.h"
#include "storage/parametres.h"

namespace qx30 {

// The three check boxes of the interdiction list.
struct t_options {
  bool ecart20 = true;
  bool intermodulation = true;
  bool freq_image = true;
};

class Session : private Desk {
 public:
  Session(SessionView& vue, Clock& horloge, FileSystem& fs = systeme_fichiers());

  // What the operator set: the limit fields' texts, the three options, the
  // automatic save and the colours the next session save writes.
  void fixer_nbre_max(std::string texte) { texte_nbre_max_ = std::move(texte); }
  // A limit being typed shows at once; its overruns are journaled once the
  // operator has left it in the field (poser_temps_max) or at the next tick.
  void fixer_temps_max(std::string texte);
  void poser_temps_max();
  void fixer_options(const t_options& options) { options_ = options; }
  void fixer_sauvegarde_auto(bool oui) { sauvegarde_auto_ = oui; }
  void fixer_couleurs(const t_parametres& couleurs) { couleurs_ = couleurs; }

  // The register's operations, each ending with the refresh it calls for.
  Enregistrement enregistrer(const Saisie& saisie);
  void supprimer();
  void remise_a_zero();
  void debut_vol();
  void fin_attente();
  void mettre_en_attente();
  void retirer_attente();
  void fin_vol();

  // Every present entry checked again and shown, the overruns and
  // conflicts journaled, and the automatic save while it is on.
  void affichage() override;
  // The interdictions rebuilt from the frequencies in flight, then the refresh.
  void noire() override;
  // The minute tick: the clock's text, then a minute counted and a refresh in
  // clock mode when anything waits or flies.
  void minute();

  // Start-up: names the session after its start and opens its journal.
  void demarrer(const t_date_heure& debut);
  // Offers the session of a run of the day that never closed (the question,
  // then the load); a file the load refuses throws what the load throws.
  void reprendre(const t_date_heure& debut);
  // The manual save and its message.
  void sauvegarde_manuelle();
  // Replaces the table by a session file (checked whole first); `nom` is the
  // name the journal gives it. The refresh is the caller's, by noire.
  void charger(const std::filesystem::path& fichier, const std::string& nom);
  // The final save, whatever the automatic save's setting; throws when it fails.
  void fermer();
  // While models fly or wait, closing and loading ask first; true when the
  // operator lets the close, or the load, go on.
  bool fermeture_confirmee();
  bool remplacement_confirme();

  // Until ecrire_differe, the journal's lines (with the time of their
  // events) and the automatic save wait in memory: the start-up shows its
  // window before it pays for the disk's flushes, and writes both right after.
  void differer_ecritures() { differe_ = true; }
  void ecrire_differe();

  const t_fiches& fiches() const { return fiches_; }
  const t_interdictions& interdictions() const { return interdictions_; }
  const std::string& nom_fichier_auto() const { return nom_fichier_auto_; }
  // The clock's text dd/mm/yyyy hh:nn, and the registered count's caption.
  const std::string& horloge() const { return horloge_; }
  const t_legendes& legendes() const { return legendes_; }
  // The options and the limits' texts as the refresh reads them.
  const t_options& options() const { return options_; }
  const std::string& texte_temps_max() const { return texte_temps_max_; }
  const std::string& texte_nbre_max() const { return texte_nbre_max_; }
  // For the tests and the benchmarks: the table as it is, to set up a day.
  t_fiches& table() { return fiches_; }

 private:
  // Desk: the session as the register's operations see it.
  std::optional<std::string> ligne_choisie(Liste liste) override { return vue_.ligne_choisie(liste); }
  void message(const std::string& texte) override { vue_.message(texte); }
  bool question(const std::string& texte) override { return vue_.question(texte); }
  int nombre_en_vol() override { return en_vol_; }
  int nbre_max() override;
  std::string heure() override;
  bool autoriser(std::int32_t freq_testee, bool teste_en_vol, std::string& texte_motifs) override;
  void journal(const t_evenement& evenement) override;

  void sauvegarde_auto();
  // The session saved under a name of this moment, and journaled; the name.
  std::string sauver_sous(std::string_view suffixe, Evenement evenement);
  // The error box, unless this kind's box is open already (the minute clock
  // can run a refresh inside it).
  void erreur_une_fois(bool& ouverte, const std::string& message);
  void ecrire_journal(const t_date_heure& moment, const t_evenement& evenement);
  // The table replaced by a session file, checked whole first.
  void remplacer_table(const std::filesystem::path& fichier);
  // Overruns and conflicts among the models in flight, journaled when they
  // begin rather than at every refresh.
  void journal_alertes(int temps_max, bool conflit);
  // "5 modèles en évolution et 1 en attente", and how many that is.
  std::string modeles_en_cours(int& nombre) const;

  SessionView& vue_;
  Clock& horloge_systeme_;
  FileSystem& fs_;

  t_fiches fiches_;
  t_interdictions interdictions_;
  std::string texte_nbre_max_ = "5";
  std::string texte_temps_max_ = "10";
  t_options options_;
  bool sauvegarde_auto_ = true;
  t_parametres couleurs_ = parametres_par_defaut;

  // Set by the minute tick for the refresh it starts.
  bool tic_minute_ = false;
  // The steady clock's moment up to which the minutes are counted.
  std::int64_t minutes_comptees_jusqu_a_;
  bool temps_max_pose_ = true;
  std::string horloge_;
  // What the last refresh and the last rebuild showed.
  int en_vol_ = 0;
  int nombre_noire_ = 0;
  t_legendes legendes_;

  std::string nom_fichier_auto_;
  std::optional<Journal> journal_;
  std::vector<bool> en_depassement_ = std::vector<bool>(nb_places + 1);
  bool en_conflit_ = false;
  // An error box of the automatic save, or of the journal, is open: the
  // minute clock's refreshes fail the same way meanwhile, one box at a time.
  bool erreur_auto_ouverte_ = false;
  bool erreur_journal_ouverte_ = false;

  bool differe_ = false;
  bool sauvegarde_en_attente_ = false;
  std::vector<std::pair<t_date_heure, t_evenement>> lignes_en_attente_;
};

}  // namespace qx30
