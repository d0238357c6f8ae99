// The pilots' board from the desk: opened by its button and by F2, following
// the session's refreshes and ticks, read-only, closed with the desk.
#include <QApplication>

#include "support/window_at_work.h"

namespace qx30 {
namespace {

struct BoardWindow : testing::WindowAtWork<> {
  TableauPilotes* board() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<TableauPilotes*>(w); b && b->isVisible()) return b;
    return nullptr;
  }
  // The accessible names of the tiles ("canal") or of the lines ("vol", "attente").
  QStringList names(const char* kind) {
    QStringList n;
    for (QWidget* w : board()->findChildren<QWidget*>(kind)) n << w->accessibleName();
    return n;
  }
  void activate(QWidget* w) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  }
};

TEST_F(BoardWindow, OpensFollowsTheSessionAndClosesWithTheDesk) {
  open_with({"35000", "35010", "41000", "41050", "41100", "72130"});
  for (const auto& [f, p] :
       {std::pair{"35010", "Vert"}, {"41000", "Bleu"}, {"41100", "ROUGE"}, {"72130", "Jaune"}})
    register_entry(f, p);
  for (int numero : {1, 2, 3}) start(numero);
  click(ui.button("B_tableau"));
  ASSERT_NE(board(), nullptr);
  EXPECT_EQ(board()->windowTitle(), "qx30 - tableau des pilotes");
  const QString pair = "interdite intermodulation de 41,000 et 41,100";
  EXPECT_EQ(names("canal"),
            QStringList({QString::fromUtf8("35000 interdite à 10 kHz de 35,010"), "35010 en vol Vert",
                         "41000 en vol Bleu", "41050 " + pair, "41100 en vol ROUGE", "72130 libre"}));
  // Read-only: nothing takes the focus, nor the desk's button; the main text 1/25 of the height.
  const QList<QWidget*> quiet = board()->findChildren<QWidget*>() << ui.button("B_tableau");
  for (QWidget* w : quiet) EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
  for (QWidget* w : board()->findChildren<QWidget*>("canal"))
    EXPECT_GE(w->font().pixelSize() * 25, board()->height());
  activate(board());
  QTest::keyClick(board(), Qt::Key_F11);
  EXPECT_TRUE(board()->isFullScreen());
  QTest::keyClick(board(), Qt::Key_Escape);
  EXPECT_FALSE(board()->isFullScreen());
  QTest::mouseDClick(board(), Qt::LeftButton);
  EXPECT_TRUE(board()->isFullScreen());
  board()->close();  // the desk stays as it is
  EXPECT_TRUE(window.isVisible());
  activate(&window);
  QTest::keyClick(&window, Qt::Key_F2);
  ASSERT_NE(board(), nullptr);
  // A start, a minute and an end of flight.
  start(4);
  tick();
  EXPECT_EQ(names("vol").last(), "72,130 Jaune 1 / 10 min");
  EXPECT_EQ(names("canal").last(), "72130 en vol Jaune");
  dialogs.answers = {true};
  click_line(ui.LB_actives, 1);
  click(ui.button("B_fin_vol"));
  EXPECT_EQ(names("canal").mid(0, 2), QStringList({"35000 libre", "35010 libre"}));
  EXPECT_EQ(names("vol").size(), 3);
  // Closed with the desk, once the desk really closes.
  EXPECT_FALSE(window.close());
  ASSERT_NE(board(), nullptr);
  dialogs.answers = {true};
  EXPECT_TRUE(window.close());
  EXPECT_EQ(board(), nullptr);
}

}  // namespace
}  // namespace qx30
