#include "session/session.h"

#include <utility>

#include "common/cp1252.h"
#include "common/str_to_int.h"
#include "interdictions/autorisation.h"
#include "interdictions/noire.h"
#include "register/flight.h"
#include "session/minute.h"
#include "storage/reprise.h"
#include "storage/seance.h"

namespace qx30 {

Session::Session(SessionView& vue, Clock& horloge, FileSystem& fs)
    : vue_(vue), horloge_systeme_(horloge), fs_(fs), minutes_comptees_jusqu_a_(horloge.steady_ms()) {}

Enregistrement Session::enregistrer(const Saisie& saisie) { return qx30::enregistrer(fiches_, *this, saisie); }

void Session::supprimer() { qx30::supprimer(fiches_, *this); }

void Session::remise_a_zero() { qx30::remise_a_zero(fiches_, *this); }

void Session::debut_vol() { qx30::debut_vol(fiches_, *this); }

void Session::fin_attente() { qx30::fin_attente(fiches_, *this); }

void Session::mettre_en_attente() { qx30::mettre_en_attente(fiches_, *this); }

void Session::retirer_attente() { qx30::retirer_attente(fiches_, *this); }

void Session::fin_vol() { qx30::fin_vol(fiches_, *this); }

int Session::nbre_max() { return str_to_int(texte_nbre_max_); }

std::string Session::heure() { return heure_horloge(horloge_); }

bool Session::autoriser(std::int32_t freq_testee, bool teste_en_vol, std::string& texte_motifs) {
  return auto_(interdictions_, freq_testee, teste_en_vol, options_.ecart20, texte_motifs);
}

void Session::affichage() {
  const auto verifier = [this](std::int32_t freq, bool en_vol, std::string& motifs) {
    return autoriser(freq, en_vol, motifs);
  };
  const int temps_max = str_to_int(texte_temps_max_);
  const t_rafraichissement r = rafraichir(fiches_, verifier, temps_max, tic_minute_);
  const int en_attente = static_cast<int>(r.attente.size());
  en_vol_ = static_cast<int>(r.actives.size());
  legendes_ = qx30::legendes(r.nombre_liste + en_attente + en_vol_, en_attente, en_vol_, nombre_noire_,
                       str_to_int(texte_nbre_max_));
  vue_.montrer(r, legendes_, tic_minute_);
  // Either may open an error box, inside which the minute clock can run a
  // refresh of its own: both come once this one is complete.
  journal_alertes(temps_max, !r.interdiction.empty());
  if (sauvegarde_auto_) sauvegarde_auto();
  tic_minute_ = false;
}

void Session::noire() {
  qx30::noire(fiches_, options_noire{options_.intermodulation, options_.freq_image}, interdictions_);
  const std::vector<std::string> lignes = lignes_noire(interdictions_);
  nombre_noire_ = static_cast<int>(lignes.size());
  vue_.montrer_noire(lignes);
  affichage();
}

void Session::fixer_temps_max(std::string texte) {
  if (texte != texte_temps_max_) temps_max_pose_ = false;
  texte_temps_max_ = std::move(texte);
}

void Session::poser_temps_max() {
  if (std::exchange(temps_max_pose_, true)) return;
  journal_alertes(str_to_int(texte_temps_max_), en_conflit_);
}

void Session::minute() {
  horloge_ = texte_date_heure(horloge_systeme_.now()).substr(0, 16);
  vue_.montrer_horloge(horloge_);
  // Every minute since the last one counted, should ticks have been lost
  // (an error box open in the tick, the computer asleep or too busy).
  const int minutes = minutes_ecoulees(minutes_comptees_jusqu_a_, horloge_systeme_.steady_ms());
  temps_max_pose_ = true;  // the limit the operator left in the field at this minute
  if (!compter_minute(fiches_, minutes)) return;  // nothing waiting or in flight: no refresh, no save
  tic_minute_ = true;
  affichage();
}

// Called by the refresh, which must finish whatever the save does: the error
// is shown here rather than thrown.
void Session::sauvegarde_auto() {
  // A start-up that stopped early gave the session no automatic file.
  if (nom_fichier_auto_.empty()) return;
  if (differe_) {
    sauvegarde_en_attente_ = true;
    return;
  }
  try {
    save_seance(nom_fichier_auto_, fiches_, couleurs_, nom_fichier_parametres, fs_);
  } catch (const std::exception& e) {
    erreur_une_fois(erreur_auto_ouverte_, e.what());
  }
}

void Session::erreur_une_fois(bool& ouverte, const std::string& message) {
  if (ouverte) return;
  ouverte = true;
  vue_.erreur(message);
  ouverte = false;
}

void Session::demarrer(const t_date_heure& debut) {
  const std::string seance = nom_seance(debut);
  nom_fichier_auto_ = seance + std::string(suffixe_auto);
  journal_.emplace(seance + std::string(suffixe_journal), fs_);
  journal(evenement_seul(Evenement::demarrage, nom_fichier_auto_));
}

void Session::reprendre(const t_date_heure& debut) {
  const std::optional<t_reprise> reprise = seance_interrompue(".", fs_.noms("."), debut, fs_);
  if (!reprise) return;
  const std::string fichier = reprise->fichier.filename().string();
  if (!question(question_reprise(*reprise, debut))) {
    journal(evenement_seul(Evenement::reprise_refusee, fichier));
    return;
  }
  // As "charger une séance" loads it: this run's automatic file takes it over.
  remplacer_table(reprise->fichier);
  // The models flew and waited while the desk was off: those minutes are
  // theirs, and the part of a minute begun then runs on into the next tick.
  const t_date_heure maintenant = horloge_systeme_.now();
  compter_minute(fiches_, minutes_d_arret(*reprise, maintenant));
  if (const std::int64_t arret = secondes_entre(reprise->ecrit, maintenant); arret > 0)
    minutes_comptees_jusqu_a_ = horloge_systeme_.steady_ms() - arret % 60 * 1000;
  journal(evenement_seul(Evenement::reprise, fichier));
  noire();
}

void Session::sauvegarde_manuelle() {
  message(cp1252(u8"séance sauvegardée dans le fichier : ") +
          sauver_sous(suffixe_manuel, Evenement::sauvegarde_manuelle));
}

std::string Session::sauver_sous(std::string_view suffixe, Evenement evenement) {
  const std::string nom = nom_seance(horloge_systeme_.now()) + std::string(suffixe);
  save_seance(nom, fiches_, couleurs_, nom_fichier_parametres, fs_);
  journal(evenement_seul(evenement, nom));
  return nom;
}

void Session::charger(const std::filesystem::path& fichier, const std::string& nom) {
  remplacer_table(fichier);
  journal(evenement_seul(Evenement::chargement, nom));
}

void Session::remplacer_table(const std::filesystem::path& fichier) {
  charger_seance(fiches_, fichier, fs_);
  // The loaded entries are new to the alerts: an overrun or a conflict among
  // them is journaled when the refresh finds it, even in a slot flagged before.
  en_depassement_.assign(en_depassement_.size(), false);
  en_conflit_ = false;
}

void Session::fermer() { sauver_sous(suffixe_final, Evenement::fermeture); }

std::string Session::modeles_en_cours(int& nombre) const {
  int en_vol = 0, en_attente = 0;
  for (int i = 1; i <= nb_places; ++i) {
    const t_fiche& f = fiches_[i];
    if (!est_presente(f)) continue;
    en_vol += f.etat == "V";
    en_attente += f.etat == "A";
  }
  nombre = en_vol + en_attente;
  return std::to_string(en_vol) + cp1252(en_vol > 1 ? u8" modèles" : u8" modèle") + cp1252(u8" en évolution et ") +
         std::to_string(en_attente) + " en attente";
}

bool Session::fermeture_confirmee() {
  int nombre = 0;
  const std::string en_cours = modeles_en_cours(nombre);
  return nombre == 0 || question(en_cours + cp1252(u8" : fermer quand même ?"));
}

bool Session::remplacement_confirme() {
  int nombre = 0;
  const std::string en_cours = modeles_en_cours(nombre);
  return nombre == 0 || question(en_cours + cp1252(nombre > 1 ? u8" seront remplacés" : u8" sera remplacé") +
                                 cp1252(u8" : charger quand même ?"));
}

void Session::ecrire_differe() {
  differe_ = false;
  for (const auto& [moment, evenement] : std::exchange(lignes_en_attente_, {})) ecrire_journal(moment, evenement);
  if (std::exchange(sauvegarde_en_attente_, false)) sauvegarde_auto();
}

void Session::journal(const t_evenement& evenement) {
  // A start-up that stopped before naming the session opened no journal.
  if (!journal_) return;
  if (differe_) lignes_en_attente_.emplace_back(horloge_systeme_.now(), evenement);
  else ecrire_journal(horloge_systeme_.now(), evenement);
}

void Session::ecrire_journal(const t_date_heure& moment, const t_evenement& evenement) {
  try {
    journal_->ecrire(moment, evenement);
  } catch (const std::exception& e) {
    // The operation goes on whatever the journal does.
    erreur_une_fois(erreur_journal_ouverte_, cp1252(u8"journal de la séance non écrit : ") + e.what());
  }
}

void Session::journal_alertes(int temps_max, bool conflit) {
  std::string en_cause;
  for (int i = 1; i <= nb_places; ++i) {
    const t_fiche& f = fiches_[i];
    const bool en_vol = est_presente(f) && f.etat == "V";
    const bool depasse = en_vol && f.temps_vol > temps_max;
    // Not against a value on its way in the limit's field.
    if (temps_max_pose_) {
      if (depasse && !en_depassement_[i])
        journal(evenement_de(Evenement::depassement, f,
                             std::to_string(f.temps_vol) + " min, limite " + std::to_string(temps_max)));
      en_depassement_[i] = depasse;
    }
    if (en_vol && !f.autorise) en_cause += (en_cause.empty() ? "[" : " [") + std::to_string(f.numero) + "]";
  }
  if (conflit && !en_conflit_) journal(evenement_seul(Evenement::conflit_actifs, en_cause));
  en_conflit_ = conflit;
}

}  // namespace qx30
