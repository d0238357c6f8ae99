// The window's layout as the operator sees it: place and size at start, every
// control inside it and clear of the others, the anchors (also of a resize
// made before showing), the smallest size, the Tab chain, and the colours
// and font chosen through the captions and "modif police affichage".

#include <QAccessible>
#include <QApplication>
#include <QStyleOptionButton>
#include <map>

#include "window/look.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

struct LayoutWindow : testing::WindowAtWork<> {
  // Sharing an edge pixel, as the check boxes stacked 16 pixels apart do, is
  // no overlap.
  void expect_tidy() {
    const QList<QWidget*> all = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const auto inner = [](QWidget* w) { return w->geometry().adjusted(0, 0, -1, -1); };
    for (QWidget* a : all) {
      EXPECT_TRUE(window.rect().contains(a->geometry())) << a->objectName().toStdString();
      for (QWidget* b : all)
        if (a < b && inner(a).intersects(inner(b)))
          ADD_FAILURE() << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
    }
  }
};

TEST_F(LayoutWindow, AtAnySizeEveryControlKeepsItsPlace) {
  window.resize(892, 583);
  open_with({});
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(window.B_fin_vol->geometry(), QRect(620, 32, 105, 25));  // tied to the right
  EXPECT_EQ(window.CB_freq->geometry(), QRect(8, 522, 65, 21));      // to the bottom
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 597, 73));   // to both sides
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 184, 596, 323));   // to every edge
  EXPECT_EQ(window.LB_noire->geometry(), QRect(620, 200, 265, 307));
  EXPECT_EQ(window.Label_heure->pos(), QPoint(8, 0));
  EXPECT_EQ(window.E_nbre_max->maxLength(), 2);
  EXPECT_EQ(window.E_temps_max->maxLength(), 3);
  for (QSize size : {QSize(892, 583), QSize(792, 533)}) {
    window.resize(size);
    window.affichage();
    expect_tidy();
    expect_stacked();
  }
  EXPECT_EQ(window.B_raz->geometry(), QRect(664, 512, 121, 17));
  window.resize(500, 300);  // grows back to the smallest size
  EXPECT_EQ(window.size(), QSize(600, 400));

  // Any sequence of sizes, some far below the smallest, comes back to the start.
  window.resize(792, 533);
  window.affichage();
  std::map<QString, QRect> start;
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) start[w->objectName()] = w->geometry();
  for (QSize size : {QSize(200, 100), QSize(1200, 90), QSize(60, 900), QSize(601, 401), QSize(792, 533)}) {
    window.resize(size);
    window.affichage();
  }
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_EQ(w->geometry(), start[w->objectName()]) << w->objectName().toStdString();
}

// Every caption inside its button with the margins the style draws, with the
// clock and the counts at their widest, and no label over another control.
TEST_F(LayoutWindow, EveryCaptionFitsItsControl) {
  window.Label_heure->set_caption("06/12/2026 23:59");
  window.Label_actives->set_caption(testing::u8("60 en évolution"));
  window.Label_attente->set_caption(testing::u8("998  en attente"));
  window.Label_liste->set_caption(testing::u8("998 enregistré(s)"));
  window.Label_noire->set_caption(testing::u8("9999 interdition(s)."));
  for (auto* b : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width() -
                     b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b);
    EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), room) << b->objectName().toStdString();
  }
  expect_tidy();
}

// What a screen reader announces: each control's hint as its description,
// its caption as its name, and a name for every control without one.
TEST_F(LayoutWindow, EveryControlIsNamedAndDescribedToAScreenReader) {
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    SCOPED_TRACE(w->objectName().toStdString());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Description), w->toolTip());
    if (auto* b = qobject_cast<QPushButton*>(w)) EXPECT_EQ(a->text(QAccessible::Name), b->text());
    else if (auto* l = qobject_cast<QLabel*>(w)) EXPECT_EQ(a->text(QAccessible::Name), l->text());
    else EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.case_freq_image)->text(QAccessible::Name),
            testing::u8("Fréq. image"));
}

TEST_F(LayoutWindow, TabVisitsTheTwelveControlsInOrder) {
  open_with({});
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.LB_actives->setFocus();
  const QStringList chain = {"B_fin_vol", "LB_attente", "B_fin_attente", "B_retirer_attente", "LB_liste", "B_debut_vol",
                             "B_attente", "CB_freq", "CB_pilote", "CB_comm", "B_enregistrer", "LB_actives"};
  QStringList visited;
  for (int i = 0; i < chain.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    while (now && now->parentWidget() != &window) now = now->parentWidget();  // a drop-down's edit field
    visited << (now ? now->objectName() : "(none)");
  }
  EXPECT_EQ(visited, chain);
}

TEST_F(LayoutWindow, ACaptionClickedColoursItsListAndItself) {
  open_with({});
  const std::pair<Caption*, QWidget*> pairs[] = {{window.Label_actives, window.LB_actives},
                                                 {window.Label_attente, window.LB_attente},
                                                 {window.Label_liste, window.LB_liste},
                                                 {window.Label_noire, window.LB_noire},
                                                 {window.Label_heure, &window}};
  std::uint32_t raw = 0x00336600;
  for (auto [label, target] : pairs) {
    dialogs.colours = {++raw, std::nullopt};  // chosen, then cancelled
    click(label);
    click(label);
    EXPECT_EQ(background_of(target), raw) << label->objectName().toStdString();
    EXPECT_EQ(background_of(label), raw);
    EXPECT_EQ(target->palette().color(QPalette::Window), QColor(raw & 0xFF, 0x66, 0x33));
  }
  EXPECT_EQ(window.LB_liste->palette().color(QPalette::Base), QColor(0x03, 0x66, 0x33));
}

TEST_F(LayoutWindow, AChosenFontGoesToTheEntryListsWhichRestack) {
  open_with({"26000", "35010", "41000"});
  for (const char* f : {"26000", "35010", "41000"}) register_entry(f, "p");
  start(1);
  queue(2);
  const QFont before = window.LB_actives->font();
  QFont big = before;
  big.setPixelSize(22);
  const QColor ink(0x80, 0, 0x40);
  dialogs.fonts = {FontChoice{big, ink}};
  click(window.B_police);
  EXPECT_EQ(dialogs.font_offered.font, before);
  for (const SortedList* lb : {window.LB_actives, window.LB_attente, window.LB_liste}) {
    EXPECT_EQ(lb->font().pixelSize(), 22) << lb->objectName().toStdString();
    EXPECT_EQ(lb->palette().color(QPalette::Text), ink);
  }
  EXPECT_EQ(window.LB_noire->font().pixelSize(), 11);
  EXPECT_NE(window.LB_noire->palette().color(QPalette::Text), ink);
  EXPECT_GT(window.LB_actives->height(), 22);
  expect_stacked();
}

}  // namespace
}  // namespace qx30
