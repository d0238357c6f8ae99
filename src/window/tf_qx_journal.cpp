// The session's journal: the events only the window sees, and the error box
// of a journal that cannot be written.

#include "common/cp1252.h"
#include "storage/seance.h"
#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::demarrer_journal() {
  // Same session name as the automatic file of this run.
  const std::string seance = nom_fichier_auto.substr(0, nom_fichier_auto.size() - suffixe_auto.size());
  journal_.emplace(seance + std::string(suffixe_journal));
  journal(evenement_seul(Evenement::demarrage, nom_fichier_auto));
}

void TF_qx::journal(const t_evenement& evenement) {
  // A start-up that stopped before naming the session opened no journal.
  if (!journal_) return;
  try {
    journal_->ecrire(platform_.clock.now(), evenement);
  } catch (const std::exception& e) {
    // The operation goes on whatever the journal does. While the box is
    // open, the minute clock's events fail the same way: one box at a time.
    if (erreur_journal_ouverte_) return;
    erreur_journal_ouverte_ = true;
    platform_.dialogs.error(error_box_text(cp1252(u8"journal de la séance non écrit : ") + e.what()));
    erreur_journal_ouverte_ = false;
  }
}

void TF_qx::journal_alertes(int temps_max, bool conflit) {
  std::string en_cause;
  for (int i = 1; i <= nb_places; ++i) {
    const t_fiche& f = fiches[i];
    const bool en_vol = est_presente(f) && f.etat == "V";
    const bool depasse = en_vol && f.temps_vol > temps_max;
    if (depasse && !en_depassement_[i])
      journal(evenement_de(Evenement::depassement, f,
                           std::to_string(f.temps_vol) + " min, limite " + std::to_string(temps_max)));
    en_depassement_[i] = depasse;
    if (en_vol && !f.autorise) en_cause += (en_cause.empty() ? "[" : " [") + std::to_string(f.numero) + "]";
  }
  if (conflit && !en_conflit_) journal(evenement_seul(Evenement::conflit_actifs, en_cause));
  en_conflit_ = conflit;
}

}  // namespace qx30
