#pragma once
// The measured operations, registered by the main with their targets.

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace qx30::bench {

// Plain core, no window.
// The table with half of its entries on 2.4 GHz when told (fiches_998).
void reconstruction_interdictions(benchmark::State& state, bool moitie_2_4_ghz);
void verifications_998(benchmark::State& state);
void sauvegarde_auto(benchmark::State& state);
void chargement_999(benchmark::State& state);

// The real window, offscreen.
void rafraichissement_complet(benchmark::State& state, bool sauvegarde, bool moitie_2_4_ghz = false);
// The refresh and the whole window painted at once (offscreen).
void rafraichissement_et_dessin(benchmark::State& state);
// With the pilots' board open at 1920x1080 over 36 frequencies, a minute
// counted first so that every line of the board changes: the board's own
// update (what a refresh adds), the full refresh, or the refresh and the
// whole board painted.
enum class Mode_tableau { seul, rafraichi, dessine };
void rafraichissement_tableau(benchmark::State& state, Mode_tableau mode);
// What a start or end of a flight adds at the cap: the rebuild, its 9999
// lines shown, and the refresh.
void noire_fenetre(benchmark::State& state);
void demarrage(benchmark::State& state);
// A day at the field through the window; fails on a box, a lost minute or
// the process growing after its first hour.
void journee(benchmark::State& state);

// One start-up of a window in a seeded folder, in milliseconds; run first in
// the process, it pays for loading the fonts.
double demarrage_a_froid();

// One start of a process up to its first window painted, for the comparison
// below: "qx30" the program as main runs it (programme), "nue" the same
// window shown and never started: the same controls, captions and faces, no
// logic. Prints the milliseconds since `lancement`; returns the exit code.
int premiere_fenetre(const std::string& quoi, std::chrono::steady_clock::time_point lancement, int argc,
                     char** argv);

// Medians of `fois` starts of each (after one of each to warm up), in
// milliseconds; both -1 when a start failed.
struct Demarrages {
  double nue = -1;
  double qx30 = -1;
};
Demarrages demarrages_compares(int fois);

}  // namespace qx30::bench
