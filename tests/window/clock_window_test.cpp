// The minute clock in the window: the timer's event reaches its handler, a
// tick leaves the registered list alone and puts the operator's selections
// back, and a tick arriving inside the real question box of an end of flight.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "window/platform/qt_dialogs.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::line_with;
using testing::row_of;

struct ClockWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"26000", "35010", "41000", "50000"}); }
};

TEST_F(ClockWindow, ATickCountsAndKeepsTheOperatorsSelections) {
  EXPECT_EQ(window.Timer60->interval(), 60000);
  fake.clock.time.minute = 9;
  QMetaObject::invokeMethod(window.Timer60, "timeout");
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:09");

  for (const char* f : {"26000", "35010", "41000", "50000"}) register_entry(f, "p");
  start(1);
  start(2);
  queue(3);
  click_line(window.LB_liste, 4);
  click_line(window.LB_actives, 2);
  click_line(window.LB_attente, 3);
  const QListWidgetItem* registered = window.LB_liste->item(0);
  const int row_actives = window.LB_actives->selected();
  const QString before = line_with(window.LB_actives, 2);

  minute_at(14, 10);
  EXPECT_EQ(window.LB_liste->item(0), registered);  // not rebuilt
  EXPECT_EQ(window.LB_liste->selected(), row_of(window.LB_liste, 4));
  EXPECT_NE(line_with(window.LB_actives, 2), before);  // rebuilt with the minute
  EXPECT_EQ(window.LB_actives->selected(), row_actives);
  EXPECT_EQ(window.LB_actives->selected(), row_of(window.LB_actives, 2));
  EXPECT_EQ(window.LB_attente->selected(), row_of(window.LB_attente, 3));
  // The next operation's refresh rebuilds it again.
  press(window.B_fin_attente);
  EXPECT_NE(window.LB_liste->item(0), registered);
  EXPECT_EQ(window.fiches[3].etat, "V");
}

struct ClockWithQtBoxes : testing::WindowAtWork<QtDialogs> {};

TEST_F(ClockWithQtBoxes, ATickInsideTheQuestionOfADoubleClick) {
  open_with({"41000", "72130"});
  register_entry("41000", "a");
  register_entry("72130", "b");
  start(1);
  start(2);
  QString asked;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    asked = box->text();
    minute_at(14, 8);  // the box's own loop runs the timer's event
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Yes") b->click();
  });
  click_line(window.LB_actives, 2, true);
  EXPECT_TRUE(asked.contains("[2]")) << asked.toStdString();
  EXPECT_EQ(row_of(window.LB_actives, 2), -1);
  EXPECT_GE(row_of(window.LB_liste, 2), 0);
  EXPECT_EQ(window.fiches[2].cumul_temps, 1);
  EXPECT_EQ(window.fiches[1].temps_vol, 1);
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:08");
}

}  // namespace
}  // namespace qx30
