#include "printing/lignes.h"

#include "common/cp1252.h"

namespace qx30 {

std::string en_tete(const std::string& heure, const std::string& compte, int page) {
  return cp1252(u8"QX30 gestion séance radiocommande   ") + heure + "   " + compte + "   page " +
         std::to_string(page);
}

std::string titre() { return cp1252(u8"Liste des enregistrés."); }

std::string legende() {
  return cp1252(u8"(fréquence_pilote_commentaire_ [numéro] cumul_temps nbre_évolutions)");
}

std::string ligne_imprimee(const t_fiche& fiche) {
  return fiche.libelle + "  [" + std::to_string(fiche.numero) + "]  cumul: " +
         std::to_string(fiche.cumul_temps) + cp1252(u8"  nb.évol.: ") +
         std::to_string(fiche.nbre_evolutions);
}

std::string fin_de_liste() { return "fin de la liste."; }

}  // namespace qx30
