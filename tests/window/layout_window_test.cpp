// The window's layout as the operator sees it: every caption fits its
// control, no control over another, and any sequence of sizes comes back.

#include <QStyleOptionButton>
#include <map>

#include "window_at_work.h"

namespace qx30 {
namespace {

struct LayoutWindow : testing::WindowAtWork<> {};

// With the clock and the counts at their widest. Sharing an edge pixel, as
// the check boxes stacked 16 pixels apart do, is no overlap.
TEST_F(LayoutWindow, EveryCaptionFitsItsControlAndNoneOverlaps) {
  open_with({});
  window.Label_heure->set_caption("06/12/2026 23:59");
  window.Label_actives->set_caption(testing::u8("60 en évolution"));
  window.Label_liste->set_caption(testing::u8("998 enregistré(s)"));
  window.Label_noire->set_caption(testing::u8("9999 interdition(s)."));
  for (auto* b : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width() -
                     b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b);
    EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), room) << b->objectName().toStdString();
  }
  for (auto* l : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->objectName().toStdString();
  const QList<QWidget*> all = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const auto inner = [](QWidget* w) { return w->geometry().adjusted(0, 0, -1, -1); };
  for (QWidget* a : all) {
    EXPECT_TRUE(window.rect().contains(a->geometry())) << a->objectName().toStdString();
    for (QWidget* b : all)
      if (a < b && inner(a).intersects(inner(b)))
        ADD_FAILURE() << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
  }
}

TEST_F(LayoutWindow, AnySequenceOfSizesComesBackToTheStart) {
  open_with({});
  window.affichage();
  std::map<QString, QRect> start;
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) start[w->objectName()] = w->geometry();
  const QSize first = window.size();
  for (QSize size : {QSize(200, 100), QSize(1200, 90), QSize(60, 900), QSize(601, 401), first}) {
    window.resize(size);
    window.affichage();
  }
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_EQ(w->geometry(), start[w->objectName()]) << w->objectName().toStdString();
}

}  // namespace
}  // namespace qx30
