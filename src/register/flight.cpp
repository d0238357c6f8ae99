#include "register/flight.h"

#include "common/cp1252.h"
#include "common/str_to_int.h"

namespace qx30 {

namespace {

// Takes the selected entry of `source` into the air. The maximum comes first,
// so its message shows even when no line is selected.
void autoriser_vol(t_fiches& fiches, Desk& desk, Liste source, const std::string& pas_de_choix) {
  if (desk.nombre_en_vol() >= desk.nbre_max()) {
    const std::string maximum = cp1252(u8"le nombre maximum de modèles en évolution est atteint");
    // The journal names the refused entry when a line is selected.
    t_evenement refus = evenement_seul(Evenement::refus, maximum);
    if (const auto choisie = desk.ligne_choisie(source))
      refus = evenement_de(Evenement::refus, fiches[numero_de_ligne(*choisie)], maximum);
    desk.journal(refus);
    desk.message("COIN ! " + maximum);
    return;
  }
  const auto ligne = desk.ligne_choisie(source);
  if (!ligne) {
    desk.message(pas_de_choix);
    return;
  }
  t_fiche& f = fiches[numero_de_ligne(*ligne)];

  // The entry is not in flight itself, so nothing of its own can forbid it.
  std::string texte_motifs = std::to_string(f.freq) + " interdite : ";
  const bool autorisation = desk.autoriser(f.freq, false, texte_motifs);
  f.autorise = autorisation;
  if (!autorisation) {
    // Only the check's result is kept; the entry stays in its list.
    desk.journal(evenement_de(Evenement::refus, f, texte_motifs));
    desk.message("COIN ! " + texte_motifs);
    return;
  }
  f.heure_debut = desk.heure();
  f.temps_vol = 0;
  f.nbre_evolutions += 1;
  f.etat = "V";
  desk.journal(evenement_de(Evenement::autorisation, f));
  // The refresh checks every entry against the interdictions, so they must
  // already include the new frequency.
  desk.noire();
  desk.affichage();
}

}  // namespace

void debut_vol(t_fiches& fiches, Desk& desk) {
  autoriser_vol(fiches, desk, Liste::liste,
                cp1252(u8"COIN ! veuillez selectionner une ligne dans la liste des enregistrés"));
}

void fin_attente(t_fiches& fiches, Desk& desk) {
  autoriser_vol(fiches, desk, Liste::attente,
                cp1252(u8"COIN ! veuillez selectionner une ligne dans la file d'attente"));
}

void mettre_en_attente(t_fiches& fiches, Desk& desk) {
  const auto ligne = desk.ligne_choisie(Liste::liste);
  if (!ligne) {
    desk.message(cp1252(u8"COIN ! veuillez selectionner un enregistré dans la liste"));
    return;
  }
  // A waiting model puts no frequency in the air: no check, no interdictions.
  t_fiche& f = fiches[numero_de_ligne(*ligne)];
  f.heure_debut = desk.heure();
  f.temps_vol = 0;
  f.etat = "A";
  desk.journal(evenement_de(Evenement::attente, f));
  desk.affichage();
}

void retirer_attente(t_fiches& fiches, Desk& desk) {
  const auto ligne = desk.ligne_choisie(Liste::attente);
  if (!ligne) {
    desk.message(cp1252(u8"COIN ! veuillez selectionner une ligne dans la file d'attente"));
    return;
  }
  t_fiche& f = fiches[numero_de_ligne(*ligne)];
  f.heure_debut.clear();
  f.temps_vol = 0;
  f.etat = "L";
  desk.journal(evenement_de(Evenement::retrait_attente, f));
  desk.affichage();
}

void fin_vol(t_fiches& fiches, Desk& desk) {
  const auto ligne = desk.ligne_choisie(Liste::actives);
  if (!ligne) {
    desk.message(cp1252(u8"COIN ! veuillez selectionner un modèle en évolution"));
    return;
  }
  if (!desk.question(cp1252(u8"L'émetteur de : ") + *ligne +
                     cp1252(u8" est-il REVENU à la régie et vraiment ETEINT ?")))
    return;
  // The minute clock may have refreshed the list while the question was
  // open: act on what is selected now, if anything.
  const auto relue = desk.ligne_choisie(Liste::actives);
  if (!relue) return;
  t_fiche& f = fiches[numero_de_ligne(*relue)];
  // cumul_temps and nbre_evolutions keep the flight; the refresh rechecks autorise.
  f.heure_debut.clear();
  f.temps_vol = 0;
  f.etat = "L";
  desk.journal(evenement_de(Evenement::fin_evolution, f));
  desk.noire();
  desk.affichage();
}

std::optional<std::string> texte_limite(std::string_view texte, const t_limite& limite) {
  // Compared as texts, byte by byte: "" and anything from "0", a blank or a
  // sign are below "1", a letter is above the upper bound. The replacement
  // set here is found valid by the nested run it causes.
  std::string_view valide = texte;
  if (texte < limite.basse || texte > limite.haute) valide = limite.remplacement;
  // What is left starts with a digit 1 to 9, so the runtime's reading can meet
  // neither blanks, nor a sign, nor a hexadecimal prefix: it is a decimal one.
  const std::string nombre = std::to_string(try_str_to_int(valide).value_or(limite.repli));
  if (nombre == texte) return std::nullopt;
  return nombre;
}

}  // namespace qx30
