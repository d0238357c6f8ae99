// Flight control through the real window, offscreen: the operator's buttons,
// double-clicks and the two limit fields, with the boxes answered by the test.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "window_at_work.h"
#include "list_lines.h"
#include "qt_print.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::line_with;
using testing::lines_of;
using testing::row_of;
using testing::u8;

const QString no_line_liste = u8("COIN ! veuillez selectionner une ligne dans la liste des enregistrés");
const QString no_line_attente = u8("COIN ! veuillez selectionner une ligne dans la file d'attente");
const QString no_line_queueing = u8("COIN ! veuillez selectionner un enregistré dans la liste");
const QString no_line_actives = u8("COIN ! veuillez selectionner un modèle en évolution");
const QString maximum = u8("COIN ! le nombre maximum de modèles en évolution est atteint");

QString end_question(const QString& line) {
  return u8("L'émetteur de : ") + line + u8(" est-il REVENU à la régie et vraiment ETEINT ?");
}

struct FlightWindow : testing::WindowAtWork<> {
  // Frequencies far enough apart that none forbids another, but 41005.
  void SetUp() override { open_with({"26000", "35010", "41000", "50000", "72130", "41005"}); }

  void double_click_line(SortedList* lb, int numero) { click_line(lb, numero, true); }

  // The operator selects the whole field and types over it.
  static void type_over(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
};

TEST_F(FlightWindow, EveryButtonWithoutASelectionSaysWhichLineItWants) {
  register_entry("41000", "Vert");
  press(window.B_debut_vol);
  press(window.B_attente);
  press(window.B_fin_attente);
  press(window.B_retirer_attente);
  press(window.B_fin_vol);
  EXPECT_EQ(dialogs.messages,
            (QStringList{no_line_liste, no_line_queueing, no_line_attente, no_line_attente, no_line_actives}));
  EXPECT_TRUE(dialogs.questions.isEmpty());
  EXPECT_EQ(window.fiches[1].etat, "L");

  // A double-click away from any line acts on the selection, which is none.
  dialogs.messages.clear();
  const QPoint below_lines(20, window.LB_liste->viewport()->height() - 3);
  QTest::mouseDClick(window.LB_liste->viewport(), Qt::LeftButton, {}, below_lines);
  QTest::mouseDClick(window.LB_attente->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
  QTest::mouseDClick(window.LB_actives->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
  EXPECT_EQ(dialogs.messages, (QStringList{no_line_liste, no_line_attente, no_line_actives}));
  EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(FlightWindow, AuthorisingPutsTheSelectedEntryInFlightAndRebuildsTheInterdictions) {
  register_entry("41000", "Vert");
  register_entry("41005", "bleu");  // 5 kHz away: forbidden once 41000 flies
  register_entry("72130", "Rouge");
  ASSERT_EQ(lines_of(window.LB_liste),
            (QStringList{"41000_Vert_._[1]c000e000", "41005_bleu_._[2]c000e000", "72130_Rouge_._[3]c000e000"}));

  click_line(window.LB_liste, 1);
  press(window.B_debut_vol);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  const t_fiche& f = window.fiches[1];
  EXPECT_EQ(f.etat, "V");
  EXPECT_EQ(f.heure_debut, "14:07");
  EXPECT_EQ(f.temps_vol, 0);
  EXPECT_EQ(f.nbre_evolutions, 1);
  EXPECT_EQ(lines_of(window.LB_actives), QStringList{"14:07=t000_41000_Vert_._[1]c000e001"});
  EXPECT_EQ(lines_of(window.LB_noire),
            (QStringList{"40090 est_freq_image_de_41000", u8("41000 déjà_active_41000"),
                         "41910 sera_freq_image_de_41000"}));
  EXPECT_EQ(window.Label_noire->text(), "3 interdiction(s).");
  // The refresh already checked the others against the new interdictions.
  EXPECT_EQ(lines_of(window.LB_liste),
            (QStringList{u8("41005_bleu_._[2]c000e000-(déjà_active_41000 )"), "72130_Rouge_._[3]c000e000"}));
  EXPECT_EQ(window.LB_liste->selected(), -1);

  // Refused: the reasons in the message, the entry stays where it is, and no
  // refresh (the operator's selection is still there).
  click_line(window.LB_liste, 2);
  minute_at(14, 9);  // counts the flight; the registered list keeps its selection
  window.fiches[2].autorise = true;
  press(window.B_debut_vol);
  EXPECT_EQ(dialogs.messages, QStringList{u8("COIN ! 41005 interdite : -(déjà_active_41000 )")});
  EXPECT_EQ(window.fiches[2].etat, "L");
  EXPECT_FALSE(window.fiches[2].autorise);
  EXPECT_EQ(window.fiches[2].nbre_evolutions, 0);
  EXPECT_EQ(window.LB_liste->selected(), row_of(window.LB_liste, 2));
  EXPECT_EQ(window.LB_actives->line_count(), 1);
  EXPECT_EQ(window.LB_noire->line_count(), 3);
}

TEST_F(FlightWindow, TheQueueAndAuthorisingFromIt) {
  register_entry("41000", "Vert");
  register_entry("41005", "bleu");
  click_line(window.LB_liste, 1);
  press(window.B_attente);
  EXPECT_EQ(window.fiches[1].etat, "A");
  EXPECT_EQ(lines_of(window.LB_attente), QStringList{"14:07=t000_41000_Vert_._[1]c000e000"});
  EXPECT_EQ(window.LB_noire->line_count(), 0);  // a waiting model holds no frequency

  minute_at(14, 8);
  click_line(window.LB_attente, 1);
  press(window.B_retirer_attente);
  EXPECT_EQ(window.fiches[1].etat, "L");
  EXPECT_EQ(window.fiches[1].heure_debut, "");
  EXPECT_EQ(window.fiches[1].temps_vol, 0);
  EXPECT_EQ(window.LB_attente->line_count(), 0);
  EXPECT_EQ(lines_of(window.LB_liste).value(0), "41000_Vert_._[1]c000e000");

  // Both wait; 41005 waits from 14:08 on.
  click_line(window.LB_liste, 1);
  press(window.B_attente);
  minute_at(14, 9);
  click_line(window.LB_liste, 2);
  press(window.B_attente);
  minute_at(14, 10);
  EXPECT_EQ(lines_of(window.LB_attente),
            (QStringList{"14:08=t002_41000_Vert_._[1]c000e000", "14:09=t001_41005_bleu_._[2]c000e000"}));

  click_line(window.LB_attente, 1);
  press(window.B_fin_attente);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.fiches[1].heure_debut, "14:10");  // the time starts again
  EXPECT_EQ(window.fiches[1].temps_vol, 0);
  EXPECT_EQ(window.fiches[1].nbre_evolutions, 1);
  EXPECT_EQ(window.LB_noire->line_count(), 3);

  // Refused from the queue: it stays there and its waiting time runs on.
  click_line(window.LB_attente, 2);
  press(window.B_fin_attente);
  EXPECT_EQ(dialogs.messages, QStringList{u8("COIN ! 41005 interdite : -(déjà_active_41000 )")});
  EXPECT_EQ(window.fiches[2].etat, "A");
  EXPECT_EQ(window.fiches[2].heure_debut, "14:09");
  EXPECT_EQ(window.fiches[2].temps_vol, 1);
  EXPECT_EQ(window.LB_attente->selected(), 0);
}

TEST_F(FlightWindow, EndingAFlightAsksFirstAndOnlyYesGoesOn) {
  register_entry("41000", "Vert");
  register_entry("72130", "Rouge");
  click_line(window.LB_liste, 1);
  press(window.B_debut_vol);
  click_line(window.LB_liste, 2);
  press(window.B_debut_vol);
  minute_at(14, 8);
  minute_at(14, 9);
  const QString line = "14:07=t002_41000_Vert_._[1]c002e001";
  ASSERT_EQ(lines_of(window.LB_actives).value(0), line);

  click_line(window.LB_actives, 1);
  dialogs.answers = {false};
  press(window.B_fin_vol);
  EXPECT_EQ(dialogs.questions, QStringList{end_question(line)});
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.LB_actives->selected(), 0);  // no refresh
  EXPECT_EQ(window.LB_noire->line_count(), 6);

  dialogs.answers = {true};
  press(window.B_fin_vol);
  const t_fiche& f = window.fiches[1];
  EXPECT_EQ(f.etat, "L");
  EXPECT_EQ(f.heure_debut, "");
  EXPECT_EQ(f.temps_vol, 0);
  EXPECT_EQ(f.cumul_temps, 2);
  EXPECT_EQ(f.nbre_evolutions, 1);
  EXPECT_EQ(lines_of(window.LB_liste), QStringList{"41000_Vert_._[1]c002e001"});
  EXPECT_EQ(lines_of(window.LB_actives), QStringList{"14:07=t002_72130_Rouge_._[2]c002e001"});
  EXPECT_EQ(lines_of(window.LB_noire),
            (QStringList{"71220 est_freq_image_de_72130", u8("72130 déjà_active_72130"),
                         "73040 sera_freq_image_de_72130"}));
  EXPECT_EQ(window.LB_actives->selected(), -1);
}

TEST_F(FlightWindow, ADoubleClickRunsTheButtonsOperationOnTheClickedLine) {
  register_entry("41000", "Vert");
  register_entry("72130", "Rouge");
  register_entry("26000", "bleu");

  double_click_line(window.LB_liste, 2);
  EXPECT_EQ(window.fiches[2].etat, "V");
  EXPECT_EQ(window.fiches[1].etat, "L");
  EXPECT_EQ(window.LB_noire->line_count(), 3);
  // The list was rebuilt under the pointer: the release selects nothing.
  EXPECT_EQ(window.LB_liste->selected(), -1);

  click_line(window.LB_liste, 1);
  press(window.B_attente);
  double_click_line(window.LB_attente, 1);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.fiches[1].nbre_evolutions, 1);

  // In flight: the question with the line, then the end of that flight.
  const QString line = line_with(window.LB_actives, 2);
  dialogs.answers = {true};
  double_click_line(window.LB_actives, 2);
  EXPECT_EQ(dialogs.questions, QStringList{end_question(line)});
  EXPECT_EQ(window.fiches[2].etat, "L");
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_TRUE(dialogs.messages.isEmpty());

  // With the maximum reached the double-click gives the maximum's message.
  type_over(window.E_nbre_max, "1");
  double_click_line(window.LB_liste, 3);
  EXPECT_EQ(dialogs.messages, QStringList{maximum});
  EXPECT_EQ(window.fiches[3].etat, "L");
}

TEST_F(FlightWindow, TheMaximumComesBeforeTheSelectionAndLoweringItEndsNoFlight) {
  register_entry("26000", "a");
  register_entry("35010", "b");
  register_entry("41000", "c");
  register_entry("50000", "d");
  for (int n : {1, 2, 3}) {
    click_line(window.LB_liste, n);
    press(window.B_debut_vol);
  }
  click_line(window.LB_liste, 4);
  press(window.B_attente);
  ASSERT_EQ(window.LB_actives->line_count(), 3);

  type_over(window.E_nbre_max, "2");
  EXPECT_EQ(window.E_nbre_max->text(), "2");
  EXPECT_EQ(window.LB_actives->line_count(), 3);
  EXPECT_EQ(window.Label_maxi->text(), "MAXIMUM ATTEINT");
  press(window.B_debut_vol);    // nothing selected: the maximum is said first
  press(window.B_fin_attente);
  click_line(window.LB_attente, 4);
  press(window.B_fin_attente);
  EXPECT_EQ(dialogs.messages, (QStringList{maximum, maximum, maximum}));
  EXPECT_EQ(window.fiches[4].etat, "A");

  dialogs.answers = {true, true};
  click_line(window.LB_actives, 1);
  press(window.B_fin_vol);
  click_line(window.LB_attente, 4);
  press(window.B_fin_attente);
  EXPECT_EQ(dialogs.messages.size(), 4);  // still two in flight
  click_line(window.LB_actives, 2);
  press(window.B_fin_vol);
  EXPECT_EQ(window.Label_maxi->text(), "");
  click_line(window.LB_attente, 4);
  press(window.B_fin_attente);
  EXPECT_EQ(dialogs.messages.size(), 4);
  EXPECT_EQ(window.fiches[4].etat, "V");
  EXPECT_EQ(window.Label_maxi->text(), "MAXIMUM ATTEINT");
}

TEST_F(FlightWindow, TheLimitFieldsKeepAValidNumberAsTheOperatorTypes) {
  QLineEdit* temps = window.E_temps_max;
  EXPECT_EQ(temps->maxLength(), 3);
  EXPECT_EQ(window.E_nbre_max->maxLength(), 2);

  type_over(temps, "0");
  EXPECT_EQ(temps->text(), "10");
  type_over(temps, "120");
  EXPECT_EQ(temps->text(), "120");
  type_over(temps, "5x");
  EXPECT_EQ(temps->text(), "9");
  type_over(temps, "9x");
  EXPECT_EQ(temps->text(), "10");
  type_over(temps, "1200");  // a fourth character cannot be typed
  EXPECT_EQ(temps->text(), "120");
  temps->selectAll();
  QTest::keyClick(temps, Qt::Key_Backspace);
  EXPECT_EQ(temps->text(), "10");
  // A blank typed before the number makes the text start below "1".
  temps->setCursorPosition(0);
  QTest::keyClick(temps, Qt::Key_Space);
  EXPECT_EQ(temps->text(), "10");

  QLineEdit* nbre = window.E_nbre_max;
  type_over(nbre, "0");
  EXPECT_EQ(nbre->text(), "5");
  type_over(nbre, "12");
  EXPECT_EQ(nbre->text(), "12");
  type_over(nbre, "1x");
  EXPECT_EQ(nbre->text(), "5");
  // The field still takes typing after a correction made under the keys.
  QTest::keyClick(nbre, Qt::Key_Backspace);
  EXPECT_EQ(nbre->text(), "5");
  type_over(nbre, "3");
  EXPECT_EQ(nbre->text(), "3");

  // A text set by the program is a change too, and is corrected the same way.
  temps->setText("0");
  EXPECT_EQ(temps->text(), "10");
  temps->setText("5x");
  EXPECT_EQ(temps->text(), "9");
  nbre->setText("1x");
  EXPECT_EQ(nbre->text(), "5");
  // The same text again is no change: no refresh rewrites the captions.
  window.Label_liste->set_caption("-");
  nbre->setText("5");
  EXPECT_EQ(window.Label_liste->text(), "-");
  nbre->setText("7");
  EXPECT_EQ(window.Label_liste->text(), u8("0 enregistré(s)."));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FlightWindow, AChangedLimitRefreshesTheWarnings) {
  register_entry("41000", "Vert");
  click_line(window.LB_liste, 1);
  press(window.B_debut_vol);
  for (int m = 8; m <= 10; ++m) minute_at(14, m);  // three minutes of flight

  type_over(window.E_temps_max, "2");
  EXPECT_EQ(window.Label_depassement->text(), "DEPASSEMENT TEMPS");
  type_over(window.E_temps_max, "3");
  EXPECT_EQ(window.Label_depassement->text(), "");

  type_over(window.E_nbre_max, "1");
  EXPECT_EQ(window.Label_maxi->text(), "MAXIMUM ATTEINT");
  // Cleared, the field gets "5" back at once, and the refresh follows it.
  window.E_nbre_max->selectAll();
  QTest::keyClick(window.E_nbre_max, Qt::Key_Backspace);
  EXPECT_EQ(window.E_nbre_max->text(), "5");
  EXPECT_EQ(window.Label_maxi->text(), "");
}

}  // namespace
}  // namespace qx30
