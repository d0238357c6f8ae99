// The window at work with its fakes: every button and double-click reaches its
// handler, the operator's settings reach the session, save, load and print,
// start-up with its files written after the first paint, the colours.
#include <QDir>
#include <QLineEdit>

#include "support/window_at_work.h"

namespace qx30 {
namespace {

using testing::read_file;
using testing::row_of;

struct OperationsWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"26000", "35010", "35020", "41000", "50000", "72130"}); }
  // The list holding entry `numero`, or "gone"; with no entry, the file the
  // editor opened last.
  QString where(int numero) {
    if (numero == 0) return fake.launcher.opened.empty() ? "" : QString::fromStdString(fake.launcher.opened.back());
    for (SortedList* lb : {ui.LB_liste, ui.LB_attente, ui.LB_actives})
      if (row_of(lb, numero) >= 0) return lb->objectName();
    return "gone";
  }
};

TEST_F(OperationsWindow, EveryButtonAndDoubleClickReachesItsHandler) {
  for (const char* f : {"26000", "35010", "41000", "50000", "72130"}) register_entry(f, "p");
  // A button or the list double-clicked, the entry selected first (0: none), where it ends.
  const struct { const char* control; int numero; const char* outcome; } cases[] = {
      {"B_attente", 1, "LB_attente"},   {"B_retirer_attente", 1, "LB_liste"}, {"B_debut_vol", 1, "LB_actives"},
      {"LB_liste", 2, "LB_actives"},    {"B_attente", 3, "LB_attente"},       {"B_fin_attente", 3, "LB_actives"},
      {"B_fin_vol", 1, "LB_liste"},     {"LB_actives", 2, "LB_liste"},        {"B_attente", 4, "LB_attente"},
      {"LB_attente", 4, "LB_actives"},  {"B_supprimer", 5, "gone"},           {"B_ajout_freq", 0, "frequences.txt"},
      {"B_ajout_pilote", 0, "pilotes.txt"}, {"B_ajout_comm", 0, "commentaires.txt"}, {"B_aide", 0, "aide.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " [" + std::to_string(c.numero) + "]");
    dialogs.answers = {true};
    auto* button = window.findChild<QPushButton*>(c.control);
    if (c.numero) click_line(window.findChild<SortedList*>(where(c.numero)), c.numero, !button);
    if (button) click(button);
    EXPECT_EQ(where(c.numero), c.outcome);
  }
  dialogs.answers = {true};
  click(ui.button("B_raz"));  // entry 1 has flown once
  EXPECT_EQ(window.session().fiches()[1].nbre_evolutions, 0);
}

// The limits and the options reach the session as the operator sets them; a
// time limit out of range is put back.
TEST_F(OperationsWindow, TheOperatorsSettingsReachTheSession) {
  ui.CB_freq->set_edit_text("35010");  // typed, not chosen: no frequency
  click(ui.button("B_enregistrer"));
  EXPECT_EQ(ui.LB_liste->line_count(), 0);
  for (const char* f : {"35010", "35020", "41000"}) register_entry(f, "p");
  EXPECT_EQ(window.focusWidget(), ui.CB_freq);  // ready for the next one
  EXPECT_EQ(ui.CB_freq->edit_text(), "choisir");
  start(1);
  start(2);  // 10 kHz from a model in the air
  EXPECT_EQ(where(2), "LB_liste");
  EXPECT_EQ(ui.get<Caption>("Label_liste")->text() + ui.get<Caption>("Label_attente")->text() +
                ui.get<Caption>("Label_actives")->text(),
            QString::fromUtf8("3 enregistré(s).0 en attente.1 en évolution."));
  QTest::mouseClick(ui.get<QCheckBox>("case_ecart20"), Qt::LeftButton);
  start(2);
  EXPECT_EQ(where(2), "LB_actives");
  EXPECT_EQ(ui.get<Caption>("Label_noire")->text(), "13 interdiction(s).");
  QTest::mouseClick(ui.get<QCheckBox>("case_intermodulation"), Qt::LeftButton);
  EXPECT_EQ(ui.get<Caption>("Label_noire")->text(), "6 interdiction(s).");
  ui.E_nbre_max->setText("2");
  start(3);
  EXPECT_EQ(where(3), "LB_liste");
  EXPECT_EQ(ui.get<Caption>("Label_maxi")->text(), "MAXIMUM ATTEINT");
  tick();
  tick();  // two minutes in the air
  auto* temps_max = ui.get<QLineEdit>("E_temps_max");
  temps_max->setText("0");
  EXPECT_EQ(temps_max->text() + ui.get<Caption>("Label_depassement")->text(), "10");
  temps_max->setText("1");
  EXPECT_EQ(ui.get<Caption>("Label_depassement")->text(), "DEPASSEMENT TEMPS");
  click(ui.button("B_seance"));  // over models in the air, answered No: not even the dialog
  EXPECT_EQ(dialogs.questions.size(), 1);
  EXPECT_EQ(dialogs.file_dialog, "");
}

// Saving by hand, loading that file back (the dialog's title and filter) and
// printing, with its header, or the error when there is no printer.
TEST_F(OperationsWindow, SaveByHandLoadAndPrint) {
  register_entry("35010", "p");
  click(ui.button("b_save"));
  EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8("séance sauvegardée dans le fichier : 20261205_140730_seance_man.dat")});
  window.session().table()[9] = {"L", 0, 0, 41000, true, "41000_q_._", 9, "", 0};
  click(ui.button("B_seance"));  // cancelled: the table shown as it is
  EXPECT_EQ(where(9), "LB_liste");
  register_entry("41000", "q");
  dialogs.file = QDir::current().filePath("20261205_140730_seance_man.dat");
  click(ui.button("B_seance"));
  EXPECT_EQ(dialogs.file_dialog, QString::fromUtf8("Choisir le fichier SEANCE à charger|Fichiers seance (*.dat)"));
  EXPECT_EQ(where(2) + where(9), "gonegone");  // the file saved by hand holds entry 1 only
  EXPECT_EQ(where(1), "LB_liste");
  dialogs.answers = {true};
  click(ui.button("B_imprimer"));
  ASSERT_FALSE(fake.printer.drawn.empty());
  EXPECT_EQ(fake.printer.drawn[0], "QX30 gestion s\xE9" "ance radiocommande   05/12/2026 14:07   1 enregistr\xE9(s).   page 1");
  fake.printer.name.reset();
  click(ui.button("B_imprimer"));
  EXPECT_EQ(dialogs.errors, QStringList{"There is no default printer currently selected."});
}

const char* const journal = "20261205_140730_journal.csv";

using JournalWindow = testing::WindowAtWork<>;

// As the program starts: shown first, the window pays for no disk flush,
// no list item and no editor lookup before its first paint, and writes both
// start-up files, fills the lists and starts the lookup right after it; a
// missing parameters file is reported and the day is still saved.
TEST_F(JournalWindow, StartUpFilesAfterTheFirstPaintAndAMissingParametersFile) {
  window.show();
  start_up(std::nullopt);
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat") + read_file(journal), "<absent><absent>");
  EXPECT_EQ(ui.CB_pilote->edit_text() + QString::number(ui.CB_pilote->count() + fake.launcher.prepared),
            "X0");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat"), QByteArray());  // the first refresh's empty session
  EXPECT_EQ(read_file("parametres.ini"), testing::couleurs_du_layout);
  EXPECT_TRUE(read_file(journal).endsWith(";demarrage;;;;20261205_140730_seance_aut.dat\r\n"));
  EXPECT_EQ(window.windowTitle(),
            QString::fromUtf8("qx30 - Gestion d'une séance de radiocommande - Club des Tarvennes (version 20051202)"));
  const auto* minute = ui.get<QTimer>("Timer60");
  EXPECT_TRUE(minute->isActive() && minute->interval() == 60000 && minute->timerType() == Qt::PreciseTimer);
  EXPECT_EQ(ui.get<Caption>("Label_heure")->text(), "05/12/2026 14:07");
  EXPECT_EQ(ui.CB_pilote->itemText(0), "bleu");  // in order whatever the case
  EXPECT_EQ(ui.CB_pilote->edit_text() + QString::number(fake.launcher.prepared), "X1");
  register_entry("35010", "Vert");
  register_entry("35010", "bleu");
  EXPECT_EQ(row_of(ui.LB_liste, 2), 0);
  ui.case_save->click();  // no automatic save now
  register_entry("72130", "bleu");
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat").size(), 2 * 72);
  // An overrun is journaled once the limit is left in the field: the focus
  // gone elsewhere, or a few seconds without a key.
  start(3);
  tick();
  tick();
  auto* temps_max = ui.get<QLineEdit>("E_temps_max");
  auto* pose = ui.get<QTimer>("temps_max_pose");
  const auto depassements = [&] { return read_file(journal).count(";depassement;3;72130;"); };
  temps_max->setText("1");  // on its way to 15
  EXPECT_EQ(depassements(), 0);
  EXPECT_TRUE(pose->isActive() && pose->isSingleShot() && pose->interval() == 3000);
  emit temps_max->editingFinished();
  EXPECT_EQ(depassements(), 1);
  temps_max->setText("3");
  emit temps_max->editingFinished();
  temps_max->setText("1");
  pose->setInterval(0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return depassements() == 2; }));
  // Closing with a model in the air asks first: No keeps everything as it is.
  fake.clock.time = {2026, 12, 5, 18, 45, 0};
  const QByteArray avant = read_file(journal);
  EXPECT_FALSE(window.close());
  EXPECT_EQ(dialogs.questions.last(), QString::fromUtf8("1 modèle en évolution et 0 en attente : fermer quand même ?"));
  EXPECT_EQ(read_file(journal), avant);
  EXPECT_EQ(read_file("20261205_184500_seance_fin.dat"), "<absent>");
  ASSERT_TRUE(QDir().mkdir("20261205_184500_seance_fin.dat"));  // no final file: the window stays
  dialogs.answers = {true};
  EXPECT_FALSE(window.close());
  QDir().rmdir("20261205_184500_seance_fin.dat");
  dialogs.answers = {true};
  EXPECT_TRUE(window.close());
  EXPECT_EQ(read_file("20261205_184500_seance_fin.dat").size(), 3 * 72);
  EXPECT_EQ(dialogs.errors.size(), 2);
}

// The colours read at start-up, then a colour chosen for each list and for
// the window, reach it and its label, and the parameters file.
TEST_F(JournalWindow, ColoursReadAtStartUpChosenAndSaved) {
  start_up(QByteArray::fromHex("4050600041506000425060004350600044506000"));
  const std::pair<const char*, const char*> labels[] = {{"Label_actives", "LB_actives"}, {"Label_attente", "LB_attente"},
                                                        {"Label_liste", "LB_liste"}, {"Label_noire", "LB_noire"},
                                                        {"Label_heure", nullptr}};
  const auto shown = [&](int r) {
    for (int k = 0; k < 5; ++k)
      for (QWidget* w : {ui.get(labels[k].first), labels[k].second ? ui.get(labels[k].second) : &window})
        EXPECT_EQ(w->palette().color(w->isWindow() ? QPalette::Window : QPalette::Base), QColor(r + k, r + 0x10, r + 0x20))
            << labels[k].first;
  };
  shown(0x40);
  for (int k = 0; k < 5; ++k) {
    dialogs.next_colour = 0x00302010 + k;
    click(ui.get(labels[k].first));
  }
  shown(0x10);
  click(ui.button("b_save"));
  EXPECT_EQ(read_file("parametres.ini"), QByteArray::fromHex("1020300011203000122030001320300014203000"));
}

}  // namespace
}  // namespace qx30
