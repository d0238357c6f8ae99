// The core's share of a refresh, a start or end of flight, and the session
// files.

#include <QTemporaryDir>
#include <string>

#include "bench/donnees.h"
#include "bench/mesures.h"
#include "interdictions/autorisation.h"
#include "interdictions/noire.h"
#include "storage/seance.h"

namespace qx30::bench {

void reconstruction_interdictions(benchmark::State& state, bool moitie_2_4_ghz) {
  const t_fiches fiches = fiches_998(moitie_2_4_ghz);
  t_interdictions table;
  for (auto _ : state) {
    noire(fiches, options_noire{}, table);
    benchmark::DoNotOptimize(table);
  }
  if (table.nb_interdictions() != nb_places_interdictions) state.SkipWithError("the table is not at its cap");
}

void verifications_998(benchmark::State& state) {
  const t_fiches fiches = fiches_998();
  const t_interdictions table = table_au_plafond();
  std::string motifs;
  int refusees = 0;
  for (auto _ : state) {
    refusees = 0;
    for (int k = 1; k <= nb_places; ++k) {
      const t_fiche& f = fiches[k];
      if (!est_presente(f)) continue;
      motifs.clear();
      if (!auto_(table, f.freq, f.etat == "V", true, motifs)) ++refusees;
    }
    benchmark::DoNotOptimize(refusees);
  }
  state.counters["refused"] = refusees;
}

void sauvegarde_auto(benchmark::State& state) {
  QTemporaryDir dossier;
  const std::filesystem::path fichier = dossier.filePath("20260613_080000_seance_aut.dat").toStdString();
  const std::filesystem::path param = dossier.filePath("parametres.ini").toStdString();
  const t_fiches fiches = fiches_999();
  for (auto _ : state) save_seance(fichier, fiches, parametres_par_defaut, param);
  if (std::filesystem::file_size(fichier) != nb_places * taille_fiche)
    state.SkipWithError("the file is not 999 records long");
}

void chargement_999(benchmark::State& state) {
  QTemporaryDir dossier;
  const std::filesystem::path fichier = dossier.filePath("seance.dat").toStdString();
  const std::filesystem::path param = dossier.filePath("parametres.ini").toStdString();
  save_seance(fichier, fiches_999(), parametres_par_defaut, param);
  t_fiches fiches;
  for (auto _ : state) {
    charger_seance(fiches, fichier);
    benchmark::DoNotOptimize(fiches);
  }
  if (fiches[nb_places].numero != nb_places) state.SkipWithError("slot 999 was not loaded");
}

}  // namespace qx30::bench
