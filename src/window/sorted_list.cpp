#include "window/sorted_list.h"

#include <QFontMetrics>
#include <algorithm>

namespace qx30 {

bool line_before(const QString& a, const QString& b) {
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

SortedList::SortedList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  // A line wider than the list is cut at its edge, reasons and all, rather
  // than shortened with an ellipsis in the middle of them.
  setTextElideMode(Qt::ElideNone);
}

void SortedList::add_line(const QString& text) {
  // Binary search for the first line that sorts after the new one.
  int lo = 0;
  int hi = count();
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (line_before(text, item(mid)->text())) hi = mid;
    else lo = mid + 1;
  }
  insertItem(lo, make_item(text, size_for(text)));
}

void SortedList::replace_lines(QStringList lines) {
  std::sort(lines.begin(), lines.end(), line_before);
  // With uniform item sizes the view sizes every row like the last one, so
  // only the last line is measured: shaping every text took most of a refresh.
  const QSize size = lines.isEmpty() ? QSize() : size_for(lines.last());
  setUpdatesEnabled(false);
  clear();
  for (const QString& l : lines) addItem(make_item(l, size));
  setUpdatesEnabled(true);
}

QSize SortedList::size_for(const QString& text) const {
  // Rows exactly one font height high, as the list-stacking arithmetic assumes.
  return QSize(fontMetrics().horizontalAdvance(text) + 4, row_height());
}

QListWidgetItem* SortedList::make_item(const QString& text, QSize size) const {
  auto* item = new QListWidgetItem(text);
  item->setSizeHint(size);
  return item;
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
