// A day at the field through the real window, offscreen: 998 models
// registered, 60 always in the air, flights ending and starting, 1440
// minute ticks with the automatic save on. What only a day
// shows: the process does not grow after its first hour, keeps no file
// open, leaves no temporary file, and every minute of flight is counted.
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

// The line of entry k in a list, selected; false when it is not there.
bool choisir(SortedList* lb, int k) {
  const int row = testing::row_of(lb, k);
  return lb->select(row), row >= 0;
}

TEST(Soak, ADayAtTheField) {
  // 55 kHz apart in each band: no channel within the margins of another or its images.
  QStringList frequences;
  for (const auto& [debut, fin] : {std::pair{40000, 42995}, {26000, 27995}, {35000, 35995}, {72000, 72995}})
    for (int f = debut; f <= fin && frequences.size() < 120; f += 55) frequences << QString::number(f);
  const testing::WorkingFolder dossier(QDir("/dev/shm").exists() ? "/dev/shm/qx30-soak-XXXXXX"
                                                                   : QDir::tempPath() + "/qx30-soak-XXXXXX");
  testing::write_file("frequences.txt", frequences.join("\r\n").toLatin1());
  for (const char* nom : {"pilotes.txt", "commentaires.txt"}) testing::write_file(nom, "Vert\r\n");
  testing::write_file("parametres.ini", testing::couleurs_du_layout);
  testing::FakePlatform p;
  p.clock.time = {2026, 6, 13, 8, 0, 0};
  auto w = std::make_unique<TF_qx>(p.platform());
  w->show();
  w->principale();
  const testing::Controls ui(*w);
  ui.get<QTimer>("Timer60")->stop();  // the minutes are the test's own
  for (int k = 1; k <= 998; ++k) {
    ui.CB_freq->choose(ui.CB_freq->findText(frequences[canal(k)]));
    ui.CB_pilote->set_edit_text(QStringLiteral("Pilote %1 de l'a\u00E9roclub").arg(k));
    QTest::mouseClick(ui.button("B_enregistrer"), Qt::LeftButton);
  }
  ui.get<QCheckBox>("case_intermodulation")->click();  // sixty models: more than any set of channels allows
  ui.E_nbre_max->setText("99");
  std::set<int> en_vol, canaux;
  const auto decoller = [&](int k) {
    ASSERT_TRUE(choisir(ui.LB_liste, k)) << k;
    QTest::mouseClick(ui.button("B_debut_vol"), Qt::LeftButton);
    en_vol.insert(k), canaux.insert(canal(k));
  };
  for (int k = 1; k <= 60; ++k) decoller(k);
  std::minstd_rand hasard(20260613);
  int sol = 60;
  [[maybe_unused]] long rss_une_heure = 0;  // not measured under the sanitizer
  long fd_une_heure = 0, minutes_volees = 0;
  for (int minute = 1; minute <= 1440; ++minute) {
    p.clock.time.heure = 8 + minute / 60 % 24, p.clock.time.minute = minute % 60;
    w->Timer60Timer();
    minutes_volees += 60;
    for (int n = static_cast<int>(hasard() % 3); n > 0; --n) {
      const int k = *std::next(en_vol.begin(), static_cast<long>(hasard() % en_vol.size()));
      ASSERT_TRUE(choisir(ui.LB_actives, k));
      p.dialogs.answers = {true};
      QTest::mouseClick(ui.button("B_fin_vol"), Qt::LeftButton);
      en_vol.erase(k), canaux.erase(canal(k));
      do sol = sol % 998 + 1;
      while (en_vol.contains(sol) || canaux.contains(canal(sol)));
      decoller(sol);
    }
    QApplication::processEvents();
    ASSERT_EQ(ui.LB_actives->line_count(), 60) << minute;
    ASSERT_EQ(p.dialogs.errors.join('|') + p.dialogs.messages.join('|') + ui.get<Caption>("Label_interdiction")->text(), "") << minute;
    p.dialogs.questions.clear();
    if (minute == 60) rss_une_heure = rss_ko(), fd_une_heure = descripteurs();
  }
  long cumul = 0;
  for (int k = 1; k <= 998; ++k) cumul += w->session().fiches()[k].cumul_temps;
  EXPECT_EQ(cumul, minutes_volees);
  EXPECT_EQ(descripteurs(), fd_une_heure);
  EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{QString::fromStdString(w->session().nom_fichier_auto()).replace("_seance_aut.dat", "_journal.csv"),
                         QString::fromStdString(w->session().nom_fichier_auto()), "commentaires.txt", "frequences.txt",
                         "parametres.ini", "pilotes.txt"}));
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's quarantine keeps freed memory; its leak check does this job
  EXPECT_LE(rss_ko() - rss_une_heure, 1024) << "kB grown after the first hour";
#endif
}

}  // namespace
}  // namespace qx30
