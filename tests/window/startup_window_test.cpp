// Start-up and closing of the real window, offscreen, each test in a working
// folder of its own.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "working_folder.h"
#include "qt_print.h"
#include "window/look.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::couleurs_du_layout;
using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

struct StartupTest : ::testing::Test {
  WorkingFolder folder;
  testing::FakePlatform fake;
  TF_qx window{fake.platform()};

  void write_lists() {
    write_file("frequences.txt", "35010\r\n72130\r\n");
    write_file("pilotes.txt", "Vert\r\nbleu\r\n");
    write_file("commentaires.txt", "planeur\r\n");
  }

  QStringList items(const ChoiceBox* box) const {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
  }
};

TEST_F(StartupTest, ANormalStartShowsClockCountsLimitsColoursAndWritesTheAutomaticFile) {
  // Blue for the models in flight, green for everything else.
  const QByteArray param = QByteArray::fromHex("0000ff00" "00ff0000" "00ff0000" "00ff0000" "00ff0000");
  write_file("parametres.ini", param);
  write_lists();
  window.E_nbre_max->setText("7");
  window.E_temps_max->setText("20");

  window.principale();

  EXPECT_TRUE(fake.dialogs.errors.isEmpty()) << fake.dialogs.errors.join('|').toStdString();
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:07");
  EXPECT_EQ(window.Label_liste->text(), QString::fromUtf8("0 enregistré(s)."));
  EXPECT_EQ(window.Label_attente->text(), "0 en attente.");
  EXPECT_EQ(window.Label_actives->text(), QString::fromUtf8("0 en évolution."));
  EXPECT_EQ(window.Label_noire->text(), "0 interdiction(s).");
  EXPECT_EQ(window.Label_depassement->text(), "");
  EXPECT_EQ(window.Label_interdiction->text(), "");
  EXPECT_EQ(window.Label_maxi->text(), "");
  EXPECT_EQ(window.E_nbre_max->text(), "5");
  EXPECT_EQ(window.E_temps_max->text(), "10");

  for (QWidget* w : {static_cast<QWidget*>(window.LB_actives), static_cast<QWidget*>(window.Label_actives)})
    EXPECT_EQ(background_of(w), 0x00FF0000u) << w->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{window.LB_attente, window.Label_attente, window.LB_liste,
                                                    window.Label_liste, window.LB_noire, window.Label_noire,
                                                    window.Label_heure, &window})
    EXPECT_EQ(background_of(w), 0x0000FF00u) << w->objectName().toStdString();
  EXPECT_EQ(window.LB_actives->palette().color(QPalette::Base), QColor(0, 0, 255));

  EXPECT_EQ(window.nom_fichier_auto, "20261205_140730_seance_aut.dat");
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat"), QByteArray());
  EXPECT_EQ(read_file("parametres.ini"), param);

  EXPECT_EQ(items(window.CB_freq), (QStringList{"35010", "72130"}));
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");
  EXPECT_EQ(items(window.CB_pilote), (QStringList{"bleu", "Vert"}));
  EXPECT_EQ(window.CB_pilote->edit_text(), "X");
  EXPECT_EQ(window.CB_comm->edit_text(), ".");

  EXPECT_TRUE(window.Timer60->isActive());
  EXPECT_EQ(window.Timer60->interval(), 60000);
  EXPECT_FALSE(window.tic_minute);
}

TEST_F(StartupTest, ColoursAreKeptRawAndBytesBeyondTheRecordIgnored) {
  write_file("parametres.ini", couleurs_du_layout + "reste");
  write_lists();
  window.principale();
  EXPECT_TRUE(fake.dialogs.errors.isEmpty());
  EXPECT_EQ(background_of(&window), 0x80000018u);
  EXPECT_EQ(background_of(window.LB_noire), 0x00F0CAA6u);
  EXPECT_EQ(read_file("parametres.ini"), couleurs_du_layout);
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
    WorkingFolder folder;
    testing::FakePlatform fake;
    TF_qx window{fake.platform()};
    write_file("parametres.ini", couleurs_du_layout);
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
    EXPECT_EQ(window.Label_liste->text(), QString::fromUtf8("0 enregistré(s)."));
    EXPECT_EQ(read_file("20261205_140730_seance_aut.dat"), QByteArray());
    EXPECT_EQ(read_file("parametres.ini"), couleurs_du_layout);

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

TEST_F(StartupTest, ClosingWritesTheFinalFileAndAFailedFinalSaveKeepsTheWindowOpen) {
  write_file("parametres.ini", couleurs_du_layout);
  write_lists();
  window.principale();
  window.CB_freq->choose(0);
  QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  window.case_save->setChecked(false);
  window.show();

  fake.clock.time = {2026, 12, 5, 18, 45, 0};
  ASSERT_TRUE(QDir::current().mkdir("20261205_184500_seance_fin.dat"));
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(fake.dialogs.errors, QStringList{"File access denied."});

  ASSERT_TRUE(QDir::current().rmdir("20261205_184500_seance_fin.dat"));
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.isVisible());
  const QByteArray fin = read_file("20261205_184500_seance_fin.dat");
  ASSERT_EQ(fin.size(), 72);
  EXPECT_EQ(fin.mid(0, 2), QByteArray("\x01L", 2));
  EXPECT_EQ(fin.mid(12, 4), QByteArray::fromHex("c2880000"));  // 35010
}

}  // namespace
}  // namespace qx30
