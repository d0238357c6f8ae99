#include "window/widgets/choice_box.h"

#include <QLineEdit>


namespace qx30 {

ChoiceBox::ChoiceBox(bool sorted, QWidget* parent) : QComboBox(parent), sorted_(sorted) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);  // a typed text never becomes an item
  setMaxVisibleItems(22);
  // An item is chosen in the list only. Qt's editable box would complete
  // the typed text and, on Enter or when the field loses the focus, take a
  // text matching an item (whatever its case) for that item.
  setCompleter(nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  connect(this, &QComboBox::activated, this, [this](int i) { chosen_ = i; });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { chosen_ = -1; });
}

void ChoiceBox::load_items(const QStringList& items) {
  clear();
  chosen_ = -1;
  for (const QString& item : items) add_item(item);
  setCurrentIndex(-1);
}

void ChoiceBox::add_item(const QString& text) {
  int at = count();
  if (sorted_) {
    // After the last item that does not come after it.
    for (int from = 0; from < at;) {
      const int middle = from + (at - from) / 2;
      if (before_(text, itemText(middle))) at = middle;
      else from = middle + 1;
    }
  }
  insertItem(at, text);
  if (chosen_ >= at) ++chosen_;
}

void ChoiceBox::choose(int index) {
  setCurrentIndex(index);
  chosen_ = index >= 0 && index < count() ? index : -1;
}

void ChoiceBox::set_edit_text(const QString& text) { setEditText(text); }

}  // namespace qx30
