#pragma once
// The measured operations, registered by the main with their targets.

#include <benchmark/benchmark.h>

namespace qx30::bench {

// Plain core, no window.
void reconstruction_interdictions(benchmark::State& state);
void verifications_998(benchmark::State& state);
void sauvegarde_auto(benchmark::State& state);
void chargement_999(benchmark::State& state);

// The real window, offscreen.
void rafraichissement_complet(benchmark::State& state, bool sauvegarde);
// The refresh and the whole window painted at once (offscreen).
void rafraichissement_et_dessin(benchmark::State& state);
// What a start or end of a flight adds at the cap: the rebuild, its 9999
// lines shown, and the refresh.
void noire_fenetre(benchmark::State& state);
void demarrage(benchmark::State& state);

// One start-up of a window in a seeded folder, in milliseconds; run first in
// the process, it pays for loading the fonts.
double demarrage_a_froid();

}  // namespace qx30::bench
