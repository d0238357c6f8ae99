#pragma once
// An editable drop-down list that knows whether the operator chose one of its
// items or typed a text: typing forgets the choice.

#include <QComboBox>
#include <QStringList>

#include "window/widgets/sorted_list.h"

namespace qx30 {

class ChoiceBox : public QComboBox {
 public:
  // A sorted box keeps its items in the sorted lists' order (LineOrder).
  explicit ChoiceBox(bool sorted, QWidget* parent = nullptr);

  void load_items(const QStringList& items);
  void add_item(const QString& text);

  // The chosen item's index, -1 when none is chosen.
  int chosen() const { return chosen_; }
  void choose(int index);

  QString edit_text() const { return currentText(); }
  void set_edit_text(const QString& text);

 private:
  bool sorted_;
  // Made once: each item of a list loaded one by one finds its place with it.
  LineOrder before_;
  int chosen_ = -1;
};

}  // namespace qx30
