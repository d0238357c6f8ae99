// Start-up after a run that never closed: the folder a crash leaves, the
// question, and the session brought back or left.
#include "storage/seance.h"
#include "support/window_at_work.h"

namespace qx30 {
namespace {

using testing::read_file;
using testing::row_of;
using testing::write_file;

const char* const fichier_interrompu = "20261205_120000_seance_aut.dat";

struct ResumeWindow : testing::WindowAtWork<> {
  QByteArray seance;
  // What a run started at 12:00 and killed at 14:06 leaves: its automatic
  // file, and its journal without a close.
  void SetUp() override {
    t_fiches fiches;
    fiches[1] = {"V", 2, 2, 35010, true, "35010_Vert_planeur_", 1, "14:04", 1};
    fiches[2] = {"A", 1, 0, 72130, true, "72130_bleu_._", 2, "14:05", 0};
    fiches[3] = {"L", 0, 0, 35010, true, "35010_bleu_._", 3, "", 0};
    const std::vector<std::uint8_t> o = octets_seance(fiches);
    seance = QByteArray(reinterpret_cast<const char*>(o.data()), static_cast<qsizetype>(o.size()));
    write_file(fichier_interrompu, seance);
    write_file("20261205_120000_journal.csv",
               "date;heure;evenement;numero;frequence;libelle;detail\r\n"
               "05/12/2026;12:00:00;demarrage;;;;20261205_120000_seance_aut.dat\r\n"
               "05/12/2026;14:04:00;autorisation;1;35010;35010_Vert_planeur_;\r\n");
  }
};

TEST_F(ResumeWindow, YesBringsTheSessionBackAndItsFrequenciesStayForbidden) {
  dialogs.answers = {true};
  start_up();
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].startsWith(QString::fromUtf8("La séance commencée à 12:00 n'a pas été")));
  EXPECT_EQ(ui.LB_actives->line(0), "14:04=t002_35010_Vert_planeur_[1]c002e001");
  EXPECT_EQ(ui.LB_attente->line(0), "14:05=t001_72130_bleu_._[2]c000e000");
  EXPECT_EQ(row_of(ui.LB_liste, 3), 0);
  start(3);  // 35010 is in the air
  EXPECT_EQ(ui.LB_actives->line_count(), 1);
  EXPECT_EQ(read_file(fichier_interrompu), seance);  // this run saves to a file of its own
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat").size(), 3 * 72);
  EXPECT_TRUE(read_file("20261205_140730_journal.csv").contains(";reprise;;;;20261205_120000_seance_aut.dat\r\n"));
}

// Shown first, the window does not ask before its first paint; a close that
// comes before that paint has the question first.
TEST_F(ResumeWindow, NoLeavesTheTableEmpty) {
  window.show();
  start_up();  // answered No
  EXPECT_EQ(dialogs.questions.size(), 0);
  EXPECT_TRUE(window.close());
  EXPECT_EQ(dialogs.questions.size(), 1);
  EXPECT_EQ(ui.LB_actives->line_count() + ui.LB_attente->line_count() + ui.LB_liste->line_count(), 0);
  EXPECT_TRUE(
      read_file("20261205_140730_journal.csv")
          .contains(";reprise_refusee;;;;20261205_120000_seance_aut.dat\r\n05/12/2026;14:07:30;fermeture;"));
}

TEST_F(ResumeWindow, AFileTheLoadRefusesShowsTheLoadsBoxAndTheDayGoesOn) {
  write_file(fichier_interrompu, seance.left(1) + "X" + seance.mid(2));
  dialogs.answers = {true};
  start_up();
  EXPECT_EQ(dialogs.questions.size(), 0);
  EXPECT_EQ(dialogs.errors.filter(fichier_interrompu).size(), 1) << dialogs.errors.join('|').toStdString();
  EXPECT_EQ(ui.LB_actives->line_count(), 0);
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat"), QByteArray());
}

}  // namespace
}  // namespace qx30
