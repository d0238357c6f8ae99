#pragma once
// The tables and folders the benchmarks work on: a full session as a busy
// field day leaves it.

#include <QString>
#include <filesystem>

#include "interdictions/interdictions.h"
#include "register/fiches.h"

namespace qx30::bench {

// In flight at once in the worst case: 54 or more models pairwise 6 to 4999
// kHz apart fill the interdiction table's 9999 slots.
inline constexpr int nb_en_vol = 60;
inline constexpr int nb_en_attente = 20;

// 998 registered entries: 60 in flight 20 kHz apart (so every pair gives its
// intermodulations), 20 waiting, the rest on the ground, spread over the
// frequencies of the choice list's bands. With half on 2.4 GHz, each of
// those entries is followed by one of the same state on 2400000: 120 in
// flight, the 60 crystal ones still filling the interdiction table.
t_fiches fiches_998(bool moitie_2_4_ghz = false);

// The same with slot 999 taken too, as a load of a 999-record file leaves
// the table: the largest session file, 71,928 bytes.
t_fiches fiches_999();

// The interdictions of the 60 in flight of fiches_998 with every option on:
// the table at its cap.
t_interdictions table_au_plafond();

// The files a working folder holds at start-up: parametres.ini and the three
// choice lists, of a club's size.
void garnir_dossier(const QString& dossier);

}  // namespace qx30::bench
