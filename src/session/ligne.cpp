#include "session/ligne.h"

namespace qx30 {

std::string gabarit(std::int32_t valeur, std::string_view modele) {
  const std::string chiffres = std::to_string(valeur);
  const std::size_t garde = modele.size() > chiffres.size() ? modele.size() - chiffres.size() : 0;
  return std::string(modele.substr(0, garde)) + chiffres;
}

std::string ligne_fiche(const t_fiche& fiche, std::string_view motifs) {
  std::string ligne = fiche.heure_debut;
  if (fiche.etat == "A" || fiche.etat == "V") ligne += gabarit(fiche.temps_vol, "=t000") + "_";
  ligne += fiche.libelle;
  ligne += "[" + std::to_string(fiche.numero) + "]";
  ligne += gabarit(fiche.cumul_temps, "c000");
  ligne += gabarit(fiche.nbre_evolutions, "e000");
  if (!fiche.autorise) ligne += motifs;
  return ligne;
}

}  // namespace qx30
