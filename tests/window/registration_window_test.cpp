// Registering, deleting and resetting through the real window, offscreen,
// with the boxes answered by the test.

#include <QTest>
#include <gtest/gtest.h>

#include "register/cp1252.h"
#include "fake_platform.h"
#include "qt_print.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::ScriptedDialogs;

struct WindowTest : ::testing::Test {
  testing::FakePlatform fake;
  ScriptedDialogs& dialogs = fake.dialogs;
  TF_qx window{fake.platform()};

  void SetUp() override {
    window.CB_freq->load_items({"35010", "41000", "72130"});
    window.CB_pilote->load_items({"Vert", "bleu", "Rouge"});
    window.CB_comm->load_items({"planeur", "Extra [2]"});
  }

  // What the operator does: pick items (index, or -1 to type instead) and press.
  void register_entry(int freq, const QString& pilote, const QString& comm) {
    window.CB_freq->choose(freq);
    window.CB_pilote->set_edit_text(pilote);
    window.CB_comm->set_edit_text(comm);
    QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  }

  QStringList liste() const {
    QStringList out;
    for (int i = 0; i < window.LB_liste->line_count(); ++i) out << window.LB_liste->line(i);
    return out;
  }

  void select_line_with(const QString& part) {
    for (int i = 0; i < window.LB_liste->line_count(); ++i)
      if (window.LB_liste->line(i).contains(part)) window.LB_liste->select(i);
  }
};

TEST_F(WindowTest, ControlsCarryTheirNamesCaptionsAndHints) {
  auto* b = window.findChild<QPushButton*>("B_enregistrer");
  ASSERT_EQ(b, window.B_enregistrer);
  EXPECT_EQ(b->text(), "enregistrer");
  EXPECT_EQ(b->toolTip(), QString::fromUtf8("enregistre avec les valeurs affichées"));
  EXPECT_EQ(b->geometry(), QRect(400, 472, 89, 25));
  EXPECT_EQ(window.B_supprimer->text(), QString::fromUtf8("supprimer un enregistré"));
  EXPECT_EQ(window.B_raz->text(), QString::fromUtf8("raz compt. temps, évol."));
  EXPECT_EQ(window.B_raz->toolTip(), QString::fromUtf8("remise à zéro des compteurs de temps et d'évolutions"));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 184, 496, 273));
  EXPECT_EQ(window.LB_liste->toolTip(), QString::fromUtf8("liste des enregistrés"));
  EXPECT_EQ(window.CB_freq->toolTip(), QString::fromUtf8("choisir ou saisir une féquence"));
  EXPECT_EQ(window.CB_pilote->geometry(), QRect(80, 472, 185, 21));
  for (const char* name : {"LB_liste", "CB_freq", "CB_pilote", "CB_comm", "B_supprimer", "B_raz"})
    EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(WindowTest, RegisteringShowsTheEntryAndResetsTheFrequency) {
  window.CB_pilote->choose(2);  // "Vert", the box is sorted
  window.CB_freq->choose(0);
  window.CB_comm->set_edit_text("Extra [2]");
  QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);

  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(window.fiches[1].libelle, "35010_Vert_Extra 2_");
  EXPECT_EQ(window.fiches[1].numero, 1);
  ASSERT_EQ(window.LB_liste->line_count(), 1);
  EXPECT_TRUE(window.LB_liste->line(0).contains("35010_Vert_Extra 2_[1]"));
  EXPECT_EQ(window.CB_freq->chosen(), -1);
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");
  EXPECT_EQ(window.CB_pilote->edit_text(), "Vert");
  EXPECT_EQ(window.CB_comm->edit_text(), "Extra [2]");
}

TEST_F(WindowTest, ChosenPilotWinsOverTypedTextAndTypingUnchooses) {
  window.CB_pilote->choose(1);  // "Rouge"
  testing::type_text(window.CB_comm->lineEdit(), QString::fromUtf8("Łéger"));
  window.CB_freq->choose(2);
  QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  EXPECT_EQ(window.fiches[1].libelle, "72130_Rouge_?\xE9ger_");
  EXPECT_EQ(window.fiches[1].freq, 72130);

  // Picking a frequency and then typing over it is no choice at all.
  window.CB_freq->choose(0);
  QTest::keyClicks(window.CB_freq->lineEdit(), "5");
  QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8("COIN! Choisissez une fréquence ")});
  EXPECT_FALSE(est_presente(window.fiches[2]));
}

TEST_F(WindowTest, DeletingAsksWithTheLineAndFreesTheSlot) {
  register_entry(0, "Vert", ".");
  register_entry(1, "bleu", ".");
  QTest::mouseClick(window.B_supprimer, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages.last(), QString::fromUtf8("COIN ! veuillez selectionner un enregistré dans la liste"));
  EXPECT_TRUE(dialogs.questions.isEmpty());

  select_line_with("[2]");
  const QString line = liste()[window.LB_liste->selected()];
  dialogs.answers = {false};
  QTest::mouseClick(window.B_supprimer, Qt::LeftButton);
  EXPECT_EQ(dialogs.questions, QStringList{"Voulez-vous supprimer: " + line + "?"});
  EXPECT_TRUE(est_presente(window.fiches[2]));
  EXPECT_EQ(window.LB_liste->selected(), -1);  // a "No" refreshes: no line stays selected

  select_line_with("[2]");
  dialogs.answers = {true};
  QTest::mouseClick(window.B_supprimer, Qt::LeftButton);
  EXPECT_FALSE(est_presente(window.fiches[2]));
  EXPECT_EQ(window.LB_liste->line_count(), 1);

  // The freed number is given again.
  register_entry(2, "Rouge", ".");
  EXPECT_EQ(window.fiches[2].freq, 72130);
  EXPECT_TRUE(liste().join(' ').contains("72130_Rouge_._[2]"));
}

TEST_F(WindowTest, DeletionRefusedOnceFlownUntilTheCountersAreReset) {
  register_entry(0, "Vert", ".");
  window.fiches[1].cumul_temps = 3;
  window.affichage();
  select_line_with("[1]");
  dialogs.answers = {true};
  QTest::mouseClick(window.B_supprimer, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages.last(), QString::fromUtf8("COIN ! Suppression impossible, il a déjà été actif."));
  EXPECT_TRUE(est_presente(window.fiches[1]));

  dialogs.answers = {true};
  QTest::mouseClick(window.B_raz, Qt::LeftButton);
  EXPECT_EQ(dialogs.questions.last(),
            QString::fromUtf8("Voulez-vous mettre à zéro tous les compteurs de temps et d'évolutions ?"));
  EXPECT_EQ(window.fiches[1].cumul_temps, 0);

  select_line_with("[1]");
  dialogs.answers = {true};
  QTest::mouseClick(window.B_supprimer, Qt::LeftButton);
  EXPECT_FALSE(est_presente(window.fiches[1]));
}

TEST_F(WindowTest, AFrequencyItemThatIsNotANumberShowsTheErrorBox) {
  window.CB_freq->load_items({"35.010"});
  register_entry(0, "Vert", ".");
  EXPECT_EQ(dialogs.errors, QStringList{"'35.010' is not a valid integer value."});
  EXPECT_FALSE(est_presente(window.fiches[1]));
  EXPECT_EQ(window.LB_liste->line_count(), 0);
}

TEST_F(WindowTest, AFullTableIsRefusedWithItsMessage) {
  for (int i = 1; i <= 998; ++i) window.fiches[i] = t_fiche{"L", 0, 0, 35010, true, "35010_X_._", i, "", 0};
  register_entry(1, "Vert", ".");
  EXPECT_EQ(dialogs.messages,
            QStringList{QString::fromUtf8("COIN! limite de capacité atteinte, plus de 998 enregistrés")});
  EXPECT_EQ(window.fiches[999].numero, 0);
  EXPECT_EQ(window.CB_freq->chosen(), 1);  // the fields keep their contents
}

}  // namespace
}  // namespace qx30
