#pragma once
// A list box that keeps its lines in ascending order (LineOrder below), as
// the entry and interdiction lists need. Qt's own item sorting compares code
// points with case, so the order is supplied here.

#include <QCollator>
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

// The order of the sorted lists and of the sorted box, the one the
// platform's own sorted controls keep: the operator's collation (French when
// the system names no language), letter case ignored and accents weighed
// after the letters ("Émile" between "Eddy" and "Fanny"), digits before
// letters and numbers compared digit by digit, as text, so that the five
// digits of a frequency keep the lines in frequency order.
// Lines it finds equal ("Eddy", "eddy") are then ordered plainly, so that
// their order does not depend on the order they came in.
class LineOrder {
 public:
  LineOrder();
  bool operator()(const QString& a, const QString& b) const {
    const int c = collator_.compare(a, b);
    return c != 0 ? c < 0 : a < b;
  }

 private:
  QCollator collator_;
};

}  // namespace qx30
