// A day at the field through the real window, offscreen: 998 models
// registered through the window, 60 always in the air, flights ending and
// starting, 1440 minute ticks with the automatic save on. Its time, and what
// only a day shows: no box all day, the process no larger after its first
// hour than at its end (within 1 MB), every minute of flight counted.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <fstream>
#include <random>
#include <set>

#include "bench/mesures.h"
#include "support/fake_platform.h"

namespace qx30::bench {

namespace {

long rss_ko() {
  long taille = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> taille >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

int canal(int k) { return (k - 1) % 120; }

// Selects the line of entry k; false when it is not there.
bool choisir(SortedList* lb, int k) {
  const int row = testing::row_of(lb, k);
  lb->select(row);
  return row >= 0;
}

// The day; an empty text when it went as it should, else what went wrong.
std::string une_journee() {
  // A folder in memory where there is one: the day's flushed saves then wait on no disk.
  const testing::WorkingFolder dossier(QDir("/dev/shm").exists() ? "/dev/shm/qx30-journee-XXXXXX"
                                                                   : QDir::tempPath() + "/qx30-journee-XXXXXX");
  // 55 kHz apart in each band: no channel within the margins of another or its images.
  QStringList frequences;
  for (const auto& [debut, fin] : {std::pair{40000, 42995}, {26000, 27995}, {35000, 35995}, {72000, 72995}})
    for (int f = debut; f <= fin && frequences.size() < 120; f += 55) frequences << QString::number(f);
  testing::write_file("frequences.txt", frequences.join("\r\n").toLatin1());
  for (const char* nom : {"pilotes.txt", "commentaires.txt"}) testing::write_file(nom, "Vert\r\n");
  testing::write_file("parametres.ini", testing::couleurs_du_layout);
  testing::FakePlatform p;
  p.clock.time = {2026, 6, 13, 8, 0, 0};
  auto w = std::make_unique<TF_qx>(p.platform());
  w->show();
  w->principale();
  const testing::Controls ui(*w);
  // The day begins once the window is on the screen, its lists filled.
  if (!QTest::qWaitFor([&] { return ui.CB_freq->count() > 0; })) return "the lists were never filled";
  ui.get<QTimer>("Timer60")->stop();  // the minutes are the day's own
  const auto cliquer = [&](const char* bouton) { QTest::mouseClick(ui.button(bouton), Qt::LeftButton); };
  for (int k = 1; k <= 998; ++k) {
    ui.CB_freq->choose(ui.CB_freq->findText(frequences[canal(k)]));
    ui.CB_pilote->set_edit_text(QStringLiteral("Pilote %1 de l'a\u00E9roclub").arg(k));
    cliquer("B_enregistrer");
  }
  ui.get<QCheckBox>("case_intermodulation")->click();  // sixty models: more than any set of channels allows
  ui.E_nbre_max->setText("99");
  std::set<int> en_vol, canaux;
  const auto decoller = [&](int k) {
    if (!choisir(ui.LB_liste, k)) return false;
    cliquer("B_debut_vol");
    en_vol.insert(k);
    canaux.insert(canal(k));
    return true;
  };
  for (int k = 1; k <= 60; ++k)
    if (!decoller(k)) return "entry " + std::to_string(k) + " not registered";
  std::minstd_rand hasard(20260613);
  long rss_une_heure = 0, minutes_volees = 0;
  for (int minute = 1, sol = 60; minute <= 1440; ++minute) {
    p.clock.time.heure = 8 + minute / 60 % 24, p.clock.time.minute = minute % 60;
    p.clock.steady += 60000;
    w->Timer60Timer();
    minutes_volees += 60;
    for (int n = static_cast<int>(hasard() % 3); n > 0; --n) {
      const int k = *std::next(en_vol.begin(), static_cast<long>(hasard() % en_vol.size()));
      if (!choisir(ui.LB_actives, k)) return "entry " + std::to_string(k) + " not in flight";
      p.dialogs.answers = {true};
      cliquer("B_fin_vol");
      en_vol.erase(k), canaux.erase(canal(k));
      do sol = sol % 998 + 1;
      while (en_vol.contains(sol) || canaux.contains(canal(sol)));
      decoller(sol);
    }
    QApplication::processEvents();
    const QString boites = p.dialogs.errors.join('|') + p.dialogs.messages.join('|') +
                           ui.get<Caption>("Label_interdiction")->text();
    if (ui.LB_actives->line_count() != 60 || !boites.isEmpty())
      return "minute " + std::to_string(minute) + ": " + boites.toStdString();
    p.dialogs.questions.clear();  // the record of the boxes is no part of the memory measured
    if (minute == 60) rss_une_heure = rss_ko();
  }
  long cumul = 0;
  for (int k = 1; k <= 998; ++k) cumul += w->session().fiches()[k].cumul_temps;
  if (cumul != minutes_volees) return std::to_string(cumul) + " minutes counted of " + std::to_string(minutes_volees);
  if (const long croissance = rss_ko() - rss_une_heure; croissance > 1024)
    return std::to_string(croissance) + " kB grown after the first hour";
  return "";
}

}  // namespace

void journee(benchmark::State& state) {
  for (auto _ : state)
    if (const std::string erreur = une_journee(); !erreur.empty()) state.SkipWithError(erreur.c_str());
}

}  // namespace qx30::bench
