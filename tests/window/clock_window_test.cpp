// The minute clock in the real window, offscreen: the clock label, the
// minutes counted, the refresh in clock mode that keeps the operator's
// selections, and a tick arriving while the end-of-flight question is open.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "window_at_work.h"
#include "list_lines.h"
#include "qt_print.h"
#include "window/platform/qt_dialogs.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::line_with;
using testing::lines_of;
using testing::row_of;
using testing::u8;

// A question box during which something else happens before the operator
// answers, as the timer does while a modal box is open.
class QuestionWithEvents : public testing::ScriptedDialogs {
 public:
  std::function<void()> meanwhile;
  bool question(const QString& text) override {
    if (meanwhile) meanwhile();
    return ScriptedDialogs::question(text);
  }
};

struct ClockWindow : testing::WindowAtWork<QuestionWithEvents> {
  void SetUp() override { open_with({"26000", "35010", "41000", "50000", "72130"}); }
};

TEST_F(ClockWindow, TheClockLabelAndTheTimer) {
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:07");
  fake.clock.time = {2027, 1, 2, 0, 0, 0};
  window.Timer60Timer();
  EXPECT_EQ(window.Label_heure->text(), "02/01/2027 00:00");
  fake.clock.time = {2026, 11, 30, 9, 5, 59};
  window.Timer60Timer();
  EXPECT_EQ(window.Label_heure->text(), "30/11/2026 09:05");

  EXPECT_EQ(window.Timer60->interval(), 60000);
  EXPECT_FALSE(window.Timer60->isSingleShot());
  // The timer's event reaches the handler.
  fake.clock.time = {2026, 12, 5, 14, 9, 0};
  QMetaObject::invokeMethod(window.Timer60, "timeout");
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:09");

  // The start time of an entry is taken from the clock label.
  register_entry("41000", "Vert");
  start(1);
  EXPECT_EQ(window.fiches[1].heure_debut, "14:09");
}

TEST_F(ClockWindow, ATickWithNothingWaitingOrFlyingRefreshesNothing) {
  register_entry("41000", "Vert");
  register_entry("72130", "Rouge");
  click_line(window.LB_liste, 2);
  QListWidgetItem* before = window.LB_liste->item(0);
  // Marks a refresh would undo: every refresh rechecks `autorise` and
  // rewrites the count captions.
  window.fiches[1].autorise = false;
  window.Label_liste->set_caption("-");

  minute_at(14, 8);
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:08");
  EXPECT_FALSE(window.fiches[1].autorise);
  EXPECT_EQ(window.Label_liste->text(), "-");
  EXPECT_EQ(window.LB_liste->item(0), before);
  EXPECT_EQ(window.LB_liste->selected(), 1);
  EXPECT_EQ(window.fiches[1].temps_vol, 0);

  // Something waiting: the tick counts and refreshes.
  queue(1);
  window.Label_liste->set_caption("-");
  minute_at(14, 9);
  EXPECT_EQ(window.Label_liste->text(), u8("2 enregistré(s)."));
  EXPECT_EQ(lines_of(window.LB_attente).value(0), "14:08=t001_41000_Vert_._[1]c000e000");
}

TEST_F(ClockWindow, ClockModeKeepsTheOperatorsSelections) {
  // Forty registered, so that the registered list scrolls; two waiting and
  // two in flight.
  for (int n = 1; n <= 40; ++n) register_entry(n % 2 ? "26000" : "72130", QStringLiteral("p%1").arg(n, 2, 10, QChar('0')));
  register_entry("35010", "w1");  // 41
  register_entry("35010", "w2");  // 42
  register_entry("41000", "v1");  // 43
  register_entry("50000", "v2");  // 44
  queue(41);
  queue(42);
  start(43);
  start(44);  // 41000 and 50000 are 9000 apart: no pair
  ASSERT_EQ(window.LB_actives->line_count(), 2);
  ASSERT_EQ(window.LB_attente->line_count(), 2);

  click_line(window.LB_attente, 42);
  click_line(window.LB_actives, 43);
  window.LB_liste->scrollToBottom();
  click_line(window.LB_liste, 40);
  const int scrolled = window.LB_liste->verticalScrollBar()->value();
  ASSERT_GT(scrolled, 0);
  const QStringList registered = lines_of(window.LB_liste);
  QListWidgetItem* first = window.LB_liste->item(0);
  const int row_attente = window.LB_attente->selected();
  const int row_actives = window.LB_actives->selected();

  minute_at(14, 8);
  minute_at(14, 9);
  // The registered list is left as it was: same items, same selection, same scroll.
  EXPECT_EQ(window.LB_liste->item(0), first);
  EXPECT_EQ(lines_of(window.LB_liste), registered);
  EXPECT_EQ(lines_of(window.LB_liste).value(window.LB_liste->selected()), "72130_p40_._[40]c000e000");
  EXPECT_EQ(window.LB_liste->verticalScrollBar()->value(), scrolled);
  // The other two are rebuilt and their selections put back at their rows,
  // which still hold the same entries.
  EXPECT_EQ(window.LB_attente->selected(), row_attente);
  EXPECT_EQ(lines_of(window.LB_attente).value(row_attente), "14:07=t002_35010_w2_._[42]c000e000");
  EXPECT_EQ(window.LB_actives->selected(), row_actives);
  EXPECT_EQ(lines_of(window.LB_actives).value(row_actives), "14:07=t002_41000_v1_._[43]c002e001");
  EXPECT_EQ(window.Label_liste->text(), u8("44 enregistré(s)."));

  // No selection stays no selection.
  window.LB_actives->select(-1);
  minute_at(14, 10);
  EXPECT_EQ(window.LB_actives->selected(), -1);
  EXPECT_EQ(window.LB_attente->selected(), row_attente);

  // And the kept selection is what the buttons act on.
  press(window.B_fin_attente);
  EXPECT_EQ(window.fiches[42].etat, "V");
  EXPECT_EQ(window.fiches[41].etat, "A");
}

TEST_F(ClockWindow, ATickWhileTheEndOfFlightQuestionIsOpen) {
  register_entry("41000", "Vert");
  register_entry("72130", "Rouge");
  start(1);
  start(2);
  click_line(window.LB_actives, 2);
  const QString asked_about = lines_of(window.LB_actives).value(1);
  ASSERT_EQ(asked_about, "14:07=t000_72130_Rouge_._[2]c000e001");

  // The tick comes while the box is open; the answer is Yes.
  dialogs.meanwhile = [&] { minute_at(14, 8); };
  dialogs.answers = {true};
  press(window.B_fin_vol);
  EXPECT_EQ(dialogs.questions,
            QStringList{u8("L'émetteur de : ") + asked_about + u8(" est-il REVENU à la régie et vraiment ETEINT ?")});
  // The tick counted both flights; the one selected at the answer ended.
  EXPECT_EQ(window.fiches[2].etat, "L");
  EXPECT_EQ(window.fiches[2].temps_vol, 0);
  EXPECT_EQ(window.fiches[2].cumul_temps, 1);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.fiches[1].temps_vol, 1);
  EXPECT_EQ(lines_of(window.LB_actives), QStringList{"14:07=t001_41000_Vert_._[1]c001e001"});
  EXPECT_EQ(window.LB_noire->line_count(), 3);

  // A refresh during the question that leaves nothing selected: the answer
  // Yes then ends nothing.
  click_line(window.LB_actives, 1);
  dialogs.meanwhile = [&] { window.affichage(); };
  dialogs.answers = {true};
  press(window.B_fin_vol);
  EXPECT_EQ(dialogs.questions.size(), 2);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.LB_noire->line_count(), 3);

  // A tick with the question answered No: the minute is counted, the flight goes on.
  click_line(window.LB_actives, 1);
  dialogs.meanwhile = [&] { minute_at(14, 9); };
  dialogs.answers = {false};
  press(window.B_fin_vol);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.fiches[1].temps_vol, 2);
  EXPECT_EQ(window.LB_actives->selected(), 0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The real question box, opened by a double-click in the list of flights: the
// timer's event arrives inside the box, whose own loop runs it, and rebuilds
// the very list that was double-clicked.
TEST(ClockWindowWithQtBoxes, ATimerEventInsideTheQuestionOfADoubleClick) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous_dir = QDir::currentPath();
  QDir::setCurrent(dir.path());
  testing::FakePlatform fake;
  QtDialogs boxes;
  TF_qx window{Platform{boxes, fake.clock, fake.launcher, fake.printer}};
  window.case_save->setChecked(false);
  window.show();
  window.Timer60Timer();
  for (int n = 1; n <= 2; ++n) window.fiches[n] = t_fiche{"L", 0, 0, n == 1 ? 41000 : 72130, true, n == 1 ? "41000_a_._" : "72130_b_._", n, "", 0};
  window.affichage();
  for (int n : {1, 2}) {
    window.LB_liste->select(row_of(window.LB_liste, n));
    window.B_debut_vol->click();
  }
  ASSERT_EQ(window.LB_actives->line_count(), 2);

  QString asked;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    asked = box->text();
    fake.clock.time.minute = 8;
    QMetaObject::invokeMethod(window.Timer60, "timeout");
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Yes") b->click();
  });
  const int row = row_of(window.LB_actives, 2);
  QTest::mouseDClick(window.LB_actives->viewport(), Qt::LeftButton, {},
                     window.LB_actives->visualItemRect(window.LB_actives->item(row)).center());

  EXPECT_EQ(asked, u8("L'émetteur de : 14:07=t000_72130_b_._[2]c000e001 est-il REVENU à la régie et vraiment ETEINT ?"));
  EXPECT_EQ(window.fiches[2].etat, "L");
  EXPECT_EQ(window.fiches[2].cumul_temps, 1);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(lines_of(window.LB_actives), QStringList{"14:07=t001_41000_a_._[1]c001e001"});
  EXPECT_EQ(lines_of(window.LB_liste), QStringList{"72130_b_._[2]c001e001"});
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:08");
  QDir::setCurrent(previous_dir);
}

}  // namespace
}  // namespace qx30
