#pragma once
// The minute clock's plain part: one minute counted over the table, and the
// clock text from which the operations take their start times.

#include <cstdint>
#include <string>
#include <string_view>

#include "register/fiches.h"

namespace qx30 {

// Adds `minutes` to every waiting entry and every entry in flight: temps_vol
// for both, cumul_temps in flight only. Slots are taken on their number and
// state alone; a deleted slot is "L" and is never counted. True when anything
// was counted, that is when the window needs a refresh.
bool compter_minute(t_fiches& fiches, int minutes = 1);

// The whole minutes from `depuis` to `maintenant`, in milliseconds of the
// steady clock; `depuis` moves on by the minutes taken, so that a tick that
// came late, or never came, is made up by the next one and no part of a
// minute is lost or counted twice. A timer may fire a little before its
// minute: two seconds short of it still make it whole.
int minutes_ecoulees(std::int64_t& depuis, std::int64_t maintenant);

// The time hh:nn of a clock text dd/mm/yyyy hh:nn, its characters 12 to 16; what there is of
// them when the text is shorter.
std::string heure_horloge(std::string_view horloge);

}  // namespace qx30
