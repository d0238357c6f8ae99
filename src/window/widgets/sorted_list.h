#pragma once
// A list box that keeps its lines in ascending order, letter case ignored,
// as the entry and interdiction lists need. Qt's own item sorting compares
// with case, so the order is supplied here.

#include <QListWidget>
#include <QString>

namespace qx30 {

class SortedList : public QListWidget {
  Q_OBJECT
 public:
  explicit SortedList(QWidget* parent = nullptr);

  // Empties the list and fills it with these lines, put in order.
  void replace_lines(QStringList lines);
  int line_count() const { return count(); }
  QString line(int i) const;

  // Selected line index, -1 for none.
  int selected() const;
  void select(int i);

  // Height in pixels of one row with the list's current font.
  int row_height() const;

 signals:
  // A double-click anywhere in the list, on a line or not.
  void double_clicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The lists' order: case-insensitive, then plain, so equal-ignoring-case
// lines still have a fixed order.
bool line_before(const QString& a, const QString& b);

}  // namespace qx30
