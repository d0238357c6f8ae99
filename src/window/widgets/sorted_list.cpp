#include "window/widgets/sorted_list.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace qx30 {

namespace {

// Draws each row as one line of text from its left margin, cut at the
// list's edge. Qt's own delegate lays every visible row out as a paragraph,
// which took most of the time of painting the window.
// The start of a line that reaches past `width` pixels, with a margin for
// kerning: a line of reasons can run to hundreds of characters, and shaping
// what lies beyond the edge is wasted.
QString visible_part(const QString& text, const QFontMetrics& metrics, int width) {
  int x = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    x += metrics.horizontalAdvance(text[i]);
    if (x > width + 32) return text.left(i + 1);
  }
  return text;
}

class LineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* view = opt.widget;
    QStyle* style = view ? view->style() : nullptr;
    if (style) style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, view);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(opt.rect);
    painter->drawText(QPointF(opt.rect.x() + 2, opt.rect.y() + opt.fontMetrics.ascent()),
                      visible_part(opt.text, opt.fontMetrics, opt.rect.width()));
    painter->restore();
    if (style && (opt.state & QStyle::State_HasFocus)) style->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, painter, view);
  }

  // Rows exactly one font height high, as the list-stacking arithmetic
  // assumes. With uniform item sizes the view asks for one row only.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QString text = index.data(Qt::DisplayRole).toString();
    return QSize(option.fontMetrics.horizontalAdvance(text) + 4, option.fontMetrics.height());
  }
};

}  // namespace

// One collator serves a whole sort: it is made per sort, not per compare.
// Compared string by string rather than through sort keys: ICU compares these
// lines faster than it makes their keys, and the keys Qt 6.4 makes on Windows
// do not compare in the collator's order.
LineOrder::LineOrder() {
  QLocale locale = QLocale().collation();
  // The C locale would compare plainly, accented capitals last.
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::French, QLocale::France);
  collator_.setLocale(locale);
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
  collator_.setNumericMode(false);
  collator_.setIgnorePunctuation(false);
}

SortedList::SortedList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  // A line wider than the list is cut at its edge, reasons and all, rather
  // than shortened with an ellipsis in the middle of them.
  setTextElideMode(Qt::ElideNone);
  setItemDelegate(new LineDelegate(this));
}

void SortedList::replace_lines(QStringList lines) {
  std::sort(lines.begin(), lines.end(), LineOrder());
  // All at once: one insertion for the view instead of one per line. The
  // rows take their size from the delegate.
  setUpdatesEnabled(false);
  clear();
  addItems(lines);
  setUpdatesEnabled(true);
}

void SortedList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  emit double_clicked();
}

QString SortedList::line(int i) const { return item(i)->text(); }

int SortedList::selected() const {
  const auto chosen = selectedItems();
  return chosen.isEmpty() ? -1 : row(chosen.first());
}

void SortedList::select(int i) {
  if (i < 0 || i >= count()) {
    setCurrentRow(-1);
    clearSelection();
    return;
  }
  setCurrentRow(i);
}

int SortedList::row_height() const { return QFontMetrics(font()).height(); }

}  // namespace qx30
