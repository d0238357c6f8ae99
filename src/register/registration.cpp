#include "register/registration.h"

#include "common/cp1252.h"
#include "common/str_to_int.h"

namespace qx30 {

Enregistrement enregistrer(t_fiches& fiches, Desk& desk, const Saisie& saisie) {
  if (!saisie.frequence) {
    desk.message(cp1252(u8"COIN! Choisissez une fréquence "));
    return Enregistrement::sans_frequence;
  }
  const auto j = place_libre(fiches);
  if (!j) {
    desk.message(cp1252(u8"COIN! limite de capacité atteinte, plus de 998 enregistrés"));
    return Enregistrement::table_pleine;
  }
  t_fiche& f = fiches[*j];
  f.libelle = construire_libelle(*saisie.frequence, saisie.pilote, saisie.commentaire);
  f.etat = "L";
  f.autorise = true;
  f.temps_vol = 0;
  f.cumul_temps = 0;
  f.nbre_evolutions = 0;
  f.heure_debut.clear();
  // Read last but one: a frequency that is not a number leaves freq at 0,
  // so the slot stays free and no entry is added.
  f.freq = str_to_int(*saisie.frequence);
  f.numero = *j;
  desk.journal(evenement_de(Evenement::enregistrement, f));
  desk.affichage();
  return Enregistrement::enregistre;
}

void supprimer(t_fiches& fiches, Desk& desk) {
  const std::string pas_de_choix = cp1252(u8"COIN ! veuillez selectionner un enregistré dans la liste");
  const auto ligne = desk.ligne_choisie(Liste::liste);
  if (!ligne) {
    desk.message(pas_de_choix);
    return;
  }
  if (!desk.question("Voulez-vous supprimer: " + *ligne + "?")) {
    desk.affichage();
    return;
  }
  // The minute clock may have run while the question was open: read again.
  const auto relue = desk.ligne_choisie(Liste::liste);
  if (!relue) {
    desk.message(pas_de_choix);
    return;
  }
  t_fiche& f = fiches[numero_de_ligne(*relue)];
  if (f.cumul_temps != 0) {
    desk.message(cp1252(u8"COIN ! Suppression impossible, il a déjà été actif."));
    return;
  }
  // The journal names the entry as it was.
  const t_evenement supprime = evenement_de(Evenement::suppression, f);
  // numero, etat and heure_debut stay: a deleted slot keeps its number.
  f.temps_vol = 0;
  f.cumul_temps = 0;
  f.nbre_evolutions = 0;
  f.freq = 0;
  f.autorise = false;
  f.libelle.clear();
  desk.journal(supprime);
  desk.affichage();
}

void remise_a_zero(t_fiches& fiches, Desk& desk) {
  if (!desk.question(cp1252(u8"Voulez-vous mettre à zéro tous les compteurs de temps et d'évolutions ?")))
    return;
  for (int i = 1; i <= nb_places; ++i) {
    t_fiche& f = fiches[i];
    f.cumul_temps = 0;
    f.nbre_evolutions = 0;
    // The flight under way stays counted; waiting minutes are not flight time.
    if (f.etat == "V") {
      f.cumul_temps = f.temps_vol;
      f.nbre_evolutions = 1;
    }
  }
  desk.journal(evenement_seul(Evenement::raz_compteurs));
  desk.affichage();
}

}  // namespace qx30
