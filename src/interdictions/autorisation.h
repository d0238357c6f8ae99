#pragma once
// auto_: may a frequency start, given the forbidden frequencies?

#include <cstdint>
#include <string>

#include "interdictions/interdictions.h"

namespace qx30 {

// Examines slots 1 to 999 of the table every time, and every entry past them
// when the table holds more than 999 (17 or more models in flight), then the
// pair rows a full table left out (54 or more): an entry left unexamined
// would let a transmitter start on a frequency it forbids.
// A cleared slot is a frequency 0 with an empty motif. A slot
// forbids freq_testee when their difference is at most the tolerance of its
// motif:
//   begins with "sera_inte"  4 kHz
//   begins with "intermod_"  6 kHz
//   begins with "freq_img="  6 kHz
//   anything else            12 kHz with ecart20, 6 without
// except a "déjà_a..." slot on exactly freq_testee when the entry under test
// is itself in flight. Each slot that forbids appends
// "-(" motif "_" freq_origine " )" to texte_motifs.
// Returns the authorisation: true when no slot forbids, and always for a
// frequency of the 2.4 GHz band, which nothing forbids (texte_motifs stays).
bool auto_(const t_interdictions& table, std::int32_t freq_testee, bool teste_en_vol, bool ecart20,
           std::string& texte_motifs);

}  // namespace qx30
