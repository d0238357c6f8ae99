#pragma once
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>
#include <string>

#include "window/widgets/caption.h"
#include "window/widgets/choice_box.h"
#include "window/widgets/sorted_list.h"

namespace qx30::testing {

// The window's controls, found by their names as a screen reader finds them.
struct Controls {
  explicit Controls(QWidget& w) : window(w) {}
  template <class W = QWidget>
  W* get(const char* name) const {
    W* found = window.findChild<W*>(QString::fromLatin1(name));
    if (!found) throw std::logic_error(std::string("no control ") + name);
    return found;
  }
  QWidget& window;
  SortedList* LB_actives = get<SortedList>("LB_actives");
  SortedList* LB_attente = get<SortedList>("LB_attente");
  SortedList* LB_liste = get<SortedList>("LB_liste");
  SortedList* LB_noire = get<SortedList>("LB_noire");
  ChoiceBox* CB_freq = get<ChoiceBox>("CB_freq");
  ChoiceBox* CB_pilote = get<ChoiceBox>("CB_pilote");
  ChoiceBox* CB_comm = get<ChoiceBox>("CB_comm");
  QLineEdit* E_nbre_max = get<QLineEdit>("E_nbre_max");
  QCheckBox* case_save = get<QCheckBox>("case_save");
  QPushButton* button(const char* name) const { return get<QPushButton>(name); }
};

}  // namespace qx30::testing
