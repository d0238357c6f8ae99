#pragma once
// The line that shows one entry in its list. The operations find the entry
// again from the number between its first brackets, so nothing before the
// number may hold a bracket.

#include <cstdint>
#include <string>
#include <string_view>

#include "register/fiche.h"

namespace qx30 {

// A counter written over its template: the decimal text, after as many of
// the template's first characters as leave the whole the template's length.
// A counter as long as the template or longer loses every letter of it:
// 7 over "c000" is "c007", 1000 is "1000", -5 is "c0-5".
std::string gabarit(std::int32_t valeur, std::string_view modele);

// Start time, time field (waiting and in flight only), libelle, "[" number
// "]", flight minutes and flight count; the reasons of a refusal follow when
// the entry's latest check refused it.
// e.g. 14:05=t007_35010_ROUGE equipe_Extra_[3]c012e002
std::string ligne_fiche(const t_fiche& fiche, std::string_view motifs);

}  // namespace qx30
