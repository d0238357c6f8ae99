#pragma once
// The texts of the printed list of registered entries, in Windows-1252.

#include <string>

#include "register/fiche.h"

namespace qx30 {

// "QX30 gestion séance radiocommande   " clock "   " count "   page " n.
// heure is the clock label's caption (dd/mm/yyyy hh:nn), compte the caption
// of the registered count ("3 enregistré(s).").
std::string en_tete(const std::string& heure, const std::string& compte, int page);

// "Liste des enregistrés."
std::string titre();

// The column legend under the title.
std::string legende();

// libelle "  [" numero "]  cumul: " cumul_temps "  nb.évol.: " nbre_evolutions,
// numbers in plain decimal.
std::string ligne_imprimee(const t_fiche& fiche);

// "fin de la liste."
std::string fin_de_liste();

}  // namespace qx30
