// A day at the field through the real window, offscreen: 998 models
// registered, 60 always in the air, flights ending and starting, 1440 minute
// ticks with the automatic save on. What only a day shows: the process does
// not grow after its first hour, keeps no file open, leaves no temporary
// file, and every minute of flight is counted.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "support/window_at_work.h"

namespace qx30 {
namespace {

long rss_ko() {
  long taille = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> taille >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}
long descripteurs() { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); }
int canal(int k) { return (k - 1) % 120; }

// Selects the line of entry k; false when it is not there.
bool choisir(SortedList* lb, int k) { return lb->select(testing::row_of(lb, k)), testing::row_of(lb, k) >= 0; }

using Soak = testing::WindowAtWork<>;

TEST_F(Soak, ADayAtTheField) {
  // 55 kHz apart in each band: no channel within the margins of another or its images.
  QStringList frequences;
  for (const auto& [debut, fin] : {std::pair{40000, 42995}, {26000, 27995}, {35000, 35995}, {72000, 72995}})
    for (int f = debut; f <= fin && frequences.size() < 120; f += 55) frequences << QString::number(f);
  fake.clock.time = {2026, 6, 13, 8, 0, 0};
  start_up();
  ui.get<QTimer>("Timer60")->stop();  // the minutes are the test's own
  ui.CB_freq->load_items(frequences);
  for (int k = 1; k <= 998; ++k) register_entry(frequences[canal(k)], QString::fromUtf8("Pilote %1 de l'aéroclub").arg(k));
  ui.get<QCheckBox>("case_intermodulation")->click();  // sixty models: more than any set of channels allows
  ui.E_nbre_max->setText("99");
  std::set<int> en_vol, canaux;
  const auto decoller = [&](int k) {
    ASSERT_TRUE(choisir(ui.LB_liste, k)) << k;
    click(ui.button("B_debut_vol"));
    en_vol.insert(k), canaux.insert(canal(k));
  };
  for (int k = 1; k <= 60; ++k) decoller(k);
  std::minstd_rand hasard(20260613);
  [[maybe_unused]] long rss_une_heure = 0;  // not measured under the sanitizer
  long fd_une_heure = 0, minutes_volees = 0;
  for (int minute = 1, sol = 60; minute <= 1440; ++minute) {
    fake.clock.time.heure = 8 + minute / 60 % 24, fake.clock.time.minute = minute % 60;
    window.Timer60Timer();
    minutes_volees += 60;
    for (int n = static_cast<int>(hasard() % 3); n > 0; --n) {
      const int k = *std::next(en_vol.begin(), static_cast<long>(hasard() % en_vol.size()));
      ASSERT_TRUE(choisir(ui.LB_actives, k));
      dialogs.answers = {true};
      click(ui.button("B_fin_vol"));
      en_vol.erase(k), canaux.erase(canal(k));
      do sol = sol % 998 + 1;
      while (en_vol.contains(sol) || canaux.contains(canal(sol)));
      decoller(sol);
    }
    QApplication::processEvents();
    ASSERT_EQ(ui.LB_actives->line_count(), 60) << minute;
    ASSERT_EQ(dialogs.errors.join('|') + dialogs.messages.join('|') + ui.get<Caption>("Label_interdiction")->text(), "")
        << minute;
    dialogs.questions.clear();
    if (minute == 60) rss_une_heure = rss_ko(), fd_une_heure = descripteurs();
  }
  long cumul = 0;
  for (int k = 1; k <= 998; ++k) cumul += window.session().fiches()[k].cumul_temps;
  EXPECT_EQ(cumul, minutes_volees);
  EXPECT_EQ(descripteurs(), fd_une_heure);
  const QString seance = QString::fromStdString(window.session().nom_fichier_auto());
  EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{QString(seance).replace("_seance_aut.dat", "_journal.csv"), seance, "commentaires.txt",
                         "frequences.txt", "parametres.ini", "pilotes.txt"}));
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's quarantine keeps freed memory; its leak check does this job
  EXPECT_LE(rss_ko() - rss_une_heure, 1024) << "kB grown after the first hour";
#endif
}

}  // namespace
}  // namespace qx30
