// Times what runs on every refresh, at every start and end of a flight, at
// every save and at start-up, and ends with one table of each operation, its
// time, its target and whether it is met. Exits 1 when a target is missed or
// a measurement failed.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/mesures.h"

namespace {

using namespace qx30::bench;

struct Mesure {
  std::string nom;        // the benchmark's name
  std::string operation;  // what the table calls it
  double cible_ms;        // 0: no target, reported for information
  double ms = -1;
  std::string erreur;
  bool rapport = false;  // a ratio, not milliseconds
};

// The machine's description as Google Benchmark gives it, then nothing
// until the one table at the end.
class Tableau : public benchmark::ConsoleReporter {
 public:
  explicit Tableau(std::vector<Mesure>& mesures) : ConsoleReporter(OO_None), mesures_(mesures) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      for (Mesure& m : mesures_) {
        if (m.nom != r.run_name.function_name) continue;
        if (r.error_occurred) m.erreur = r.error_message;
        // Of the repetitions, the median: the machine is shared, and one
        // slow run says more about the neighbours than about the code.
        else if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
          m.ms = r.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(r.time_unit);
      }
  }

  // True when every target is met and nothing failed.
  bool imprimer() const {
    bool tout_bon = true;
    std::printf(
        "\nWall-clock time of one operation, median of 5 repetitions (the cold start and the day: one run;\n"
        "the start-ups to a painted window: median of 15 fresh processes each).\n");
    std::printf("\n%-58s %12s %10s  %s\n", "operation", "time", "target", "met?");
    for (const Mesure& m : mesures_) {
      if (m.ms < 0 && m.erreur.empty()) continue;  // filtered out
      char temps[32] = "failed";
      if (m.erreur.empty()) std::snprintf(temps, sizeof temps, m.rapport ? "%.2f x" : "%.3f ms", m.ms);
      char cible[32] = "-";
      if (m.cible_ms > 0) std::snprintf(cible, sizeof cible, m.rapport ? "< %g x" : "< %g ms", m.cible_ms);
      std::string atteinte = "-";
      if (!m.erreur.empty()) {
        atteinte = "NO (" + m.erreur + ")";
        tout_bon = false;
      } else if (m.cible_ms > 0) {
        atteinte = m.ms < m.cible_ms ? "yes" : "NO";
        tout_bon = tout_bon && m.ms < m.cible_ms;
      }
      std::printf("%-58s %12s %10s  %s\n", m.operation.c_str(), temps, cible, atteinte.c_str());
    }
    return tout_bon;
  }

 private:
  std::vector<Mesure>& mesures_;
};

}  // namespace

int main(int argc, char** argv) {
  // No display is needed: the window is drawn offscreen unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Run again by itself to time one start-up, from the launch time given.
  const std::string premiere = "--premiere-fenetre=";
  if (argc > 2 && std::string(argv[1]).rfind(premiere, 0) == 0) {
    const std::chrono::steady_clock::time_point lancement{std::chrono::nanoseconds(std::stoll(argv[2]))};
    return premiere_fenetre(std::string(argv[1]).substr(premiere.size()), lancement, argc, argv);
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx30"));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

  std::vector<Mesure> mesures = {
      {"", "start-up, first window of the process (cold)", 300, -1, ""},
      {"rebuild", "interdiction rebuild, 60 in flight, table at its cap (9999)", 1, -1, ""},
      {"rebuild_2_4", "the same, half of the 998 on 2.4 GHz (60 more in flight)", 1, -1, ""},
      {"checks", "998 authorisation checks (one refresh's worth of auto_)", 0, -1, ""},
      {"refresh", "full refresh of the window, 998 entries", 16, -1, ""},
      {"refresh_2_4", "full refresh of the window, 998 entries, half on 2.4 GHz", 16, -1, ""},
      {"refresh_save", "full refresh of the window, 998 entries, automatic save", 0, -1, ""},
      {"refresh_paint", "whole operation at 998 entries: refresh, then the window painted", 16, -1, ""},
      {"board", "pilots' board update at a refresh, 998 entries, 36 freq.", 2, -1, ""},
      {"refresh_board", "full refresh of the window, 998 entries, the board open", 0, -1, ""},
      {"refresh_board_paint", "the same, then the whole board painted at 1920x1080", 0, -1, ""},
      {"noire_window", "window's noire at the cap: rebuild, 9999 lines, refresh", 0, -1, ""},
      {"save", "automatic save, 999 records (71,928 bytes), flushed", 5, -1, ""},
      {"load", "session load, 999 records", 0, -1, ""},
      {"startup", "start-up: TF_qx and principale, first refresh done", 300, -1, ""},
      {"day", "a day at the field: 998 entries, 1440 ticks, 60 in flight", 0, -1, ""},
      {"", "start-up to the first window painted: the same controls, no logic", 0, -1, ""},
      {"", "start-up to the first window painted: qx30", 0, -1, ""},
      {"", "start-up to the first window painted, qx30 / same controls", 1.05, -1, "", true},
  };
  // Before anything else touches the fonts.
  mesures[0].ms = demarrage_a_froid();
  if (mesures[0].ms < 0) mesures[0].erreur = "the start-up showed an error";

  const auto enregistrer = [](const char* nom, auto fn) {
    return benchmark::RegisterBenchmark(nom, fn)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  };
  enregistrer("rebuild", [](benchmark::State& s) { reconstruction_interdictions(s, false); });
  enregistrer("rebuild_2_4", [](benchmark::State& s) { reconstruction_interdictions(s, true); });
  enregistrer("checks", verifications_998);
  enregistrer("refresh", [](benchmark::State& s) { rafraichissement_complet(s, false); });
  enregistrer("refresh_2_4", [](benchmark::State& s) { rafraichissement_complet(s, false, true); });
  enregistrer("refresh_save", [](benchmark::State& s) { rafraichissement_complet(s, true); });
  enregistrer("refresh_paint", rafraichissement_et_dessin);
  enregistrer("board", [](benchmark::State& s) { rafraichissement_tableau(s, Mode_tableau::seul); });
  enregistrer("refresh_board",
              [](benchmark::State& s) { rafraichissement_tableau(s, Mode_tableau::rafraichi); });
  enregistrer("refresh_board_paint",
              [](benchmark::State& s) { rafraichissement_tableau(s, Mode_tableau::dessine); });
  enregistrer("noire_window", noire_fenetre);
  enregistrer("save", sauvegarde_auto);
  enregistrer("load", chargement_999);
  enregistrer("startup", demarrage);
  // One day is long enough to be its own repetition.
  benchmark::RegisterBenchmark("day", journee)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

  Tableau tableau(mesures);
  benchmark::RunSpecifiedBenchmarks(&tableau);
  benchmark::Shutdown();

  const Demarrages d = demarrages_compares(15);
  Mesure* const compares = &mesures[mesures.size() - 3];
  compares[0].ms = d.nue;
  compares[1].ms = d.qx30;
  compares[2].ms = d.nue > 0 ? d.qx30 / d.nue : -1;
  if (d.nue < 0)
    for (int i = 0; i < 3; ++i) compares[i].erreur = "a start-up failed";
  return tableau.imprimer() ? 0 : 1;
}
