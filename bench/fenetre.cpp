// The real window, offscreen: a full refresh with the table full, and the
// start-up to its first refresh.

#include <QApplication>
#include <QDir>
#include <chrono>
#include <memory>

#include "bench/donnees.h"
#include "bench/mesures.h"
#include "support/fake_platform.h"
#include "window/tf_qx.h"

namespace qx30::bench {

namespace {

// A seeded working folder, current while it lives.
struct Dossier : testing::WorkingFolder {
  Dossier() { garnir_dossier(dir.path()); }
};

// The window shown, its table full (half of it on 2.4 GHz when told) and its
// interdictions at their cap.
template <class Mesure>
void fenetre_pleine(benchmark::State& state, bool sauvegarde, bool moitie_2_4_ghz, Mesure mesure) {
  Dossier dossier;
  testing::FakePlatform fake;
  TF_qx w(fake.platform());
  w.principale();
  const testing::Controls ui(w);
  ui.get<QTimer>("Timer60")->stop();
  w.show();
  ui.case_save->setChecked(sauvegarde);
  w.session().table() = fiches_998(moitie_2_4_ghz);
  w.session().noire();
  QApplication::processEvents();
  for (auto _ : state) mesure(w);
  if (!fake.dialogs.errors.isEmpty()) state.SkipWithError(fake.dialogs.errors.first().toStdString().c_str());
  if (ui.LB_liste->line_count() + ui.LB_attente->line_count() + ui.LB_actives->line_count() != 998)
    state.SkipWithError("the lists do not show 998 entries");
  if (ui.LB_noire->line_count() != nb_places_interdictions) state.SkipWithError("the table is not at its cap");
}

}  // namespace

void rafraichissement_complet(benchmark::State& state, bool sauvegarde, bool moitie_2_4_ghz) {
  fenetre_pleine(state, sauvegarde, moitie_2_4_ghz, [](TF_qx& w) { w.session().affichage(); });
}

void rafraichissement_et_dessin(benchmark::State& state) {
  fenetre_pleine(state, false, false, [](TF_qx& w) {
    w.session().affichage();
    w.repaint();
  });
}

void noire_fenetre(benchmark::State& state) {
  fenetre_pleine(state, false, false, [](TF_qx& w) { w.session().noire(); });
}

void demarrage(benchmark::State& state) {
  Dossier dossier;
  testing::FakePlatform fake;
  for (auto _ : state) {
    auto w = std::make_unique<TF_qx>(fake.platform());
    w->principale();
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  if (!fake.dialogs.errors.isEmpty()) state.SkipWithError(fake.dialogs.errors.first().toStdString().c_str());
}

double demarrage_a_froid() {
  Dossier dossier;
  testing::FakePlatform fake;
  const auto debut = std::chrono::steady_clock::now();
  auto w = std::make_unique<TF_qx>(fake.platform());
  w->principale();
  const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;
  if (!fake.dialogs.errors.isEmpty()) return -1;
  return duree.count();
}

}  // namespace qx30::bench
