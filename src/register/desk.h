#pragma once
// What an operation on the register asks of the window around it: the line
// the operator selected, the message and question boxes, and the refresh.
// Texts are Windows-1252 bytes.

#include <optional>
#include <string>

namespace qx30 {

// The three entry lists, one per state.
enum class Liste { liste, attente, actives };

class Desk {
 public:
  virtual ~Desk() = default;

  // The text of the selected line of a list, or nothing when none is.
  virtual std::optional<std::string> ligne_choisie(Liste liste) = 0;
  // Modal message with one OK button.
  virtual void message(const std::string& texte) = 0;
  // Modal Yes/No question; true only for Yes.
  virtual bool question(const std::string& texte) = 0;
  // The full rebuild of the window from the table.
  virtual void affichage() = 0;
};

}  // namespace qx30
