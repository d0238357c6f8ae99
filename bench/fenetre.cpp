// The real window, offscreen: a full refresh with the table full, and the
// start-up to its first refresh.

#include <QApplication>
#include <QDir>
#include <chrono>
#include <functional>
#include <memory>

#include "bench/donnees.h"
#include "bench/mesures.h"
#include "session/minute.h"
#include "support/fake_platform.h"
#include "window/tf_qx.h"

namespace qx30::bench {

namespace {

// A seeded working folder, current while it lives.
struct Dossier : testing::WorkingFolder {
  Dossier() { garnir_dossier(dir.path()); }
};

// The window shown, its table full (half of it on 2.4 GHz when told) and its
// interdictions at their cap; `avant` readies it further, untimed.
template <class Mesure>
void fenetre_pleine(benchmark::State& state, bool sauvegarde, bool moitie_2_4_ghz, Mesure mesure,
                    const std::function<void(TF_qx&)>& avant = {}) {
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
  if (avant) avant(w);
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

void rafraichissement_tableau(benchmark::State& state, Mode_tableau mode) {
  TableauPilotes* tableau = nullptr;  // while the window lives
  qsizetype tuiles = 0;
  // 36 frequencies of three bands: free ones, some in flight, some forbidden by several rules.
  const auto ouvrir = [&](TF_qx& w) {
    QStringList frequences;
    for (const int debut : {35000, 40990, 72000})
      for (int k = 0; k < 12; ++k) frequences << QString::number(debut + 10 * k);
    testing::Controls(w).CB_freq->load_items(frequences);
    w.B_tableauClick();
    for (QWidget* t : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<TableauPilotes*>(t)) tableau = b;
    if (!tableau) return;
    tableau->resize(1920, 1080);
    tuiles = tableau->findChildren<QWidget*>(QStringLiteral("canal")).size();
  };
  // A minute on every counter first: every line of the board changes.
  fenetre_pleine(
      state, false, false,
      [&](TF_qx& w) {
        compter_minute(w.session().table());
        if (mode == Mode_tableau::seul) return w.montrer_tableau();
        w.session().affichage();
        if (mode == Mode_tableau::dessine && tableau) tableau->repaint();
      },
      ouvrir);
  if (tuiles != 36) state.SkipWithError("the board does not show 36 frequencies");
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
