// Start-up, session files, choice lists and the editor through the window:
// what it reads at start and shows, what its buttons write and load, the
// automatic save's error box, and closing.

#include "window/look.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::read_file;
using testing::row_of;
using testing::write_file;

const QString fichier_auto = "20261205_140730_seance_aut.dat";

struct StorageWindow : testing::WindowAtWork<> {
  void SetUp() override {
    // Blue for the models in flight, green for the rest.
    ASSERT_TRUE(write_file("parametres.ini", QByteArray::fromHex("0000ff00" "00ff0000" "00ff0000" "00ff0000"
                                                                 "00ff0000")));
    ASSERT_TRUE(write_file("frequences.txt", "35010\r\n72130\r\n"));
    ASSERT_TRUE(write_file("pilotes.txt", "Vert\r\nbleu\r\n"));
    ASSERT_TRUE(write_file("commentaires.txt", "planeur\r\n"));
    window.E_nbre_max->setText("7");
    window.principale();
    window.show();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('|').toStdString();
  }
};

TEST_F(StorageWindow, StartUpShowsTheSavedColoursTheListsAndTheClock) {
  EXPECT_EQ(background_of(window.LB_actives), 0x00FF0000u);
  EXPECT_EQ(background_of(window.Label_actives), 0x00FF0000u);
  EXPECT_EQ(background_of(&window), 0x0000FF00u);
  EXPECT_EQ(window.E_nbre_max->text(), "5");
  EXPECT_EQ(window.CB_pilote->itemText(0), "bleu");
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:07");
  EXPECT_TRUE(window.Timer60->isActive());
  EXPECT_EQ(read_file(fichier_auto), QByteArray());  // the first refresh saved the empty session

  ASSERT_TRUE(write_file("pilotes.txt", "Zoe\r\n"));
  click(window.B_recharger_listes);
  EXPECT_EQ(window.CB_pilote->itemText(0), "Zoe");
  for (QPushButton* b : {window.B_ajout_freq, window.B_ajout_pilote, window.B_ajout_comm, window.B_aide}) click(b);
  EXPECT_EQ(fake.launcher.opened,
            (std::vector<std::string>{"frequences.txt", "pilotes.txt", "commentaires.txt", "aide.txt"}));
}

// A failing step shows its one error box and the start-up goes on, so that
// the day is saved from its first refresh to the close.
TEST(Startup, AFailingStepIsReportedAndTheDayIsStillSaved) {
  const struct {
    const char* fichier;  // written over the good files; nullptr: removed
    const char* contenu;
    QString erreur;
  } cas[] = {
      {"parametres.ini", nullptr, "File not found."},
      {"parametres.ini", "0123456789012345678", "Read beyond end of file."},
      {"frequences.txt", nullptr, "Cannot open file frequences.txt."},
      {"frequences.txt", "35010\n\n41000\n", "'' is not a valid integer value."},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.erreur.toStdString());
    testing::WorkingFolder folder;
    testing::FakePlatform fake;
    TF_qx window{fake.platform()};
    write_file("parametres.ini", testing::couleurs_du_layout);
    write_file("frequences.txt", "35010\r\n");
    write_file("pilotes.txt", "Vert\r\n");
    write_file("commentaires.txt", "planeur\r\n");
    if (c.contenu) write_file(c.fichier, c.contenu);
    else QFile::remove(c.fichier);

    window.principale();
    window.show();
    EXPECT_EQ(fake.dialogs.errors, QStringList{c.erreur});
    EXPECT_EQ(background_of(window.LB_noire), 0x00F0CAA6u);
    EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:07");
    EXPECT_EQ(window.Label_liste->text(), testing::u8("0 enregistré(s)."));
    EXPECT_EQ(read_file("20261205_140730_seance_aut.dat"), QByteArray());
    EXPECT_EQ(read_file("parametres.ini"), testing::couleurs_du_layout);

    window.CB_freq->load_items({"35010"});
    window.CB_freq->choose(0);
    QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
    EXPECT_EQ(read_file("20261205_140730_seance_aut.dat").size(), 72);
    fake.clock.time = {2026, 12, 5, 18, 45, 0};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(read_file("20261205_184500_seance_fin.dat").size(), 72);
    EXPECT_EQ(fake.dialogs.errors.size(), 1);
  }
}

TEST_F(StorageWindow, SaveByHandThenLoadBringsTheFlightBack) {
  register_entry("35010", "Vert");
  register_entry("72130", "bleu");
  start(1);
  EXPECT_EQ(read_file(fichier_auto).size(), 144);
  set_background(window.LB_attente, 0x00123456);
  fake.clock.time = {2005, 12, 2, 14, 30, 5};
  click(window.b_save);
  EXPECT_EQ(dialogs.messages,
            QStringList{testing::u8("séance sauvegardée dans le fichier : 20051202_143005_seance_man.dat")});
  EXPECT_EQ(read_file("parametres.ini"), QByteArray::fromHex("0000ff00" "56341200" "00ff0000" "00ff0000" "00ff0000"));

  dialogs.answers = {true};
  click_line(window.LB_actives, 1);
  click(window.B_fin_vol);
  ASSERT_EQ(window.LB_noire->line_count(), 0);
  dialogs.files = {QDir::current().absoluteFilePath("20051202_143005_seance_man.dat")};
  click(window.B_seance);
  EXPECT_EQ(dialogs.file_folder, QDir::currentPath());
  EXPECT_GE(row_of(window.LB_actives, 1), 0);
  EXPECT_GT(window.LB_noire->line_count(), 0);
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('|').toStdString();
}

TEST_F(StorageWindow, AFailingAutomaticSaveShowsOneBoxAtATime) {
  ASSERT_TRUE(QFile::remove(fichier_auto) && QDir::current().mkdir(fichier_auto));
  register_entry("35010", "Vert");
  queue(1);
  EXPECT_EQ(dialogs.errors.size(), 2);
  EXPECT_GE(row_of(window.LB_attente, 1), 0);  // the refresh went on
  dialogs.meanwhile = [&] {  // two more ticks while the box is open
    window.Timer60Timer();
    window.Timer60Timer();
  };
  window.Timer60Timer();
  EXPECT_EQ(dialogs.errors.size(), 3);
  EXPECT_EQ(window.fiches[1].temps_vol, 3);
}

TEST_F(StorageWindow, ClosingWritesTheFinalFileOrStaysOpen) {
  register_entry("35010", "Vert");
  fake.clock.time = {2026, 12, 5, 18, 45, 0};
  ASSERT_TRUE(QDir::current().mkdir("20261205_184500_seance_fin.dat"));
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(dialogs.errors.size(), 1);
  ASSERT_TRUE(QDir::current().rmdir("20261205_184500_seance_fin.dat"));
  EXPECT_TRUE(window.close());
  EXPECT_EQ(read_file("20261205_184500_seance_fin.dat").size(), 72);
}

}  // namespace
}  // namespace qx30
