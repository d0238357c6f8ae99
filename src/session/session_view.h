#pragma once
// What the session asks of the window that shows it: the line the operator
// selected, the boxes, and showing what the session worked out. Texts are
// Windows-1252 bytes.

#include <optional>
#include <string>
#include <vector>

#include "register/desk.h"
#include "session/rafraichir.h"

namespace qx30 {

class SessionView : public Operator {
 public:
  // The runtime's error box, for a failure the session goes on after.
  virtual void erreur(const std::string& message) = 0;

  // One refresh: the three entry lists (in clock mode the registered list
  // and the operator's selections stay as they are), the warnings and the
  // count captions.
  virtual void montrer(const t_rafraichissement& r, const t_legendes& l, bool tic_minute) = 0;
  // The interdiction list, rebuilt.
  virtual void montrer_noire(const std::vector<std::string>& lignes) = 0;
  // The clock's text, dd/mm/yyyy hh:nn.
  virtual void montrer_horloge(const std::string& texte) = 0;
};

}  // namespace qx30
