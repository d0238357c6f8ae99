#pragma once
// The minute clock's plain part: one minute counted over the table, and the
// clock text from which the operations take their start times.

#include <string>
#include <string_view>

#include "register/fiches.h"

namespace qx30 {

// Adds one minute to every waiting entry and every entry in flight: temps_vol
// for both, cumul_temps in flight only. Slots are taken on their number and
// state alone; a deleted slot is "L" and is never counted. True when anything
// was counted, that is when the window needs a refresh.
bool compter_minute(t_fiches& fiches);

// A local date and time as the caller reads it from the system, to the
// minute: the clock shows no seconds.
struct t_instant {
  int annee = 2000, mois = 1, jour = 1;
  int heure = 0, minute = 0;
};

// The clock text dd/mm/yyyy hh:nn, zero-filled, whatever the locale.
std::string texte_horloge(const t_instant& instant);

// The time hh:nn of a clock text, its characters 12 to 16; what there is of
// them when the text is shorter.
std::string heure_horloge(std::string_view horloge);

}  // namespace qx30
