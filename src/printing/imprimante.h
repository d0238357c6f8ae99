#pragma once
// What the window shows and sets around a print job, in Windows-1252.

#include <string>

#include "common/cp1252.h"

namespace qx30 {

// The printer's font size in points, set before the list is laid out.
inline constexpr int taille_police = 10;

// The Yes/No question asked before printing: debut, the default printer's
// name, fin.
inline const std::string question_impression_debut =
    cp1252(u8"Voulez-vous imprimer la liste de enregistrés sur l'imprimante : ");
inline const std::string question_impression_fin = " ?";

// The runtime's error when the system has no default printer; the error box
// adds the final ".".
inline const std::string pas_d_imprimante_par_defaut = "There is no default printer currently selected";

}  // namespace qx30
