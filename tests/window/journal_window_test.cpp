// The session's journal as the window keeps it: a short session read back
// from the file, the events only the window sees, and a journal that cannot
// be written.

#include <QDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

#include "fake_platform.h"
#include "window_at_work.h"
#include "working_folder.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::read_file;
using testing::row_of;

const char* const journal = "20261205_140730_journal.csv";

// Boxes that can let the minute clock run while an error box is open.
struct Boxes : testing::ScriptedDialogs {
  std::function<void()> while_error_open;
  void error(const QString& text) override {
    ScriptedDialogs::error(text);
    if (auto run = std::exchange(while_error_open, nullptr)) run();
  }
};

struct JournalTest : ::testing::Test {
  testing::WorkingFolder folder;
  testing::FakePlatform fake;
  Boxes boxes;
  TF_qx window{Platform{boxes, fake.clock, fake.launcher, fake.printer}};

  void SetUp() override {
    testing::write_file("parametres.ini", testing::couleurs_du_layout);
    testing::write_file("frequences.txt", "35010\r\n");
    testing::write_file("pilotes.txt", "Vert\r\nbleu\r\n");
    testing::write_file("commentaires.txt", "planeur\r\n");
    window.principale();
  }
  void at(int minute, int seconde) { fake.clock.time = {2026, 12, 5, 14, minute, seconde}; }
  void register_entry(const char* pilote) {
    window.CB_freq->choose(0);
    window.CB_pilote->set_edit_text(pilote);
    QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  }
  void press_on(SortedList* lb, int numero, QPushButton* button) {
    lb->select(row_of(lb, numero));
    QTest::mouseClick(button, Qt::LeftButton);
  }
};

TEST_F(JournalTest, AShortSessionReadBack) {
  at(8, 1);
  register_entry("Vert");
  register_entry("bleu");
  at(9, 15);
  press_on(window.LB_liste, 1, window.B_debut_vol);
  press_on(window.LB_liste, 2, window.B_debut_vol);  // same frequency: refused
  window.E_temps_max->setText("1");
  for (int minute : {10, 11, 12}) {  // past the limit at the second tick, reported once
    at(minute, 0);
    window.Timer60Timer();
  }
  boxes.answers = {true};
  at(20, 30);
  press_on(window.LB_actives, 1, window.B_fin_vol);
  at(25, 0);
  QTest::mouseClick(window.b_save, Qt::LeftButton);
  boxes.files = {QStringLiteral("20261205_142500_seance_man.dat")};
  QTest::mouseClick(window.B_seance, Qt::LeftButton);
  at(30, 0);
  EXPECT_TRUE(window.close());

  EXPECT_EQ(read_file(journal), QByteArray("date;heure;evenement;numero;frequence;libelle;detail\r\n"
                                           "05/12/2026;14:07:30;demarrage;;;;20261205_140730_seance_aut.dat\r\n"
                                           "05/12/2026;14:08:01;enregistrement;1;35010;35010_Vert_._;\r\n"
                                           "05/12/2026;14:08:01;enregistrement;2;35010;35010_bleu_._;\r\n"
                                           "05/12/2026;14:09:15;autorisation;1;35010;35010_Vert_._;\r\n"
                                           "05/12/2026;14:09:15;refus;2;35010;35010_bleu_._;"
                                           "35010 interdite : -(déjà_active_35010 )\r\n"
                                           "05/12/2026;14:11:00;depassement;1;35010;35010_Vert_._;2 min, limite 1\r\n"
                                           "05/12/2026;14:20:30;fin_evolution;1;35010;35010_Vert_._;\r\n"
                                           "05/12/2026;14:25:00;sauvegarde_manuelle;;;;20261205_142500_seance_man.dat\r\n"
                                           "05/12/2026;14:25:00;chargement;;;;20261205_142500_seance_man.dat\r\n"
                                           "05/12/2026;14:30:00;fermeture;;;;20261205_143000_seance_fin.dat\r\n"));
  EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(JournalTest, AConflictAmongTheModelsInFlightIsReportedWhenItAppears) {
  for (int i : {1, 2}) window.fiches[i] = t_fiche{"V", 0, 0, 41000 + 5 * i, true, "x", i, "14:07", 1};
  window.noire();  // two refreshes: the rebuild's and this one
  window.affichage();
  EXPECT_TRUE(read_file(journal).endsWith("\n05/12/2026;14:07:30;conflit_actifs;;;;[1] [2]\r\n"));
  EXPECT_EQ(read_file(journal).count("conflit_actifs"), 1);
}

TEST_F(JournalTest, AJournalThatCannotBeWrittenShowsOneBoxAndTheOperationGoesOn) {
  register_entry("Vert");
  press_on(window.LB_liste, 1, window.B_debut_vol);
  window.fiches[1].temps_vol = 10;
  ASSERT_TRUE(QFile::remove(journal));
  ASSERT_TRUE(QDir::current().mkdir(journal));

  // The minute that takes the model past its time comes while the box is open.
  boxes.while_error_open = [this] { window.Timer60Timer(); };
  register_entry("bleu");
  EXPECT_EQ(boxes.errors, QStringList{QString::fromUtf8("journal de la séance non écrit : File access denied.")});
  EXPECT_TRUE(est_presente(window.fiches[2]));
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");  // the handler went on to its end
  EXPECT_EQ(window.Label_depassement->text(), "DEPASSEMENT TEMPS");
}

}  // namespace
}  // namespace qx30
