#pragma once
// What an operation on the register asks of the window around it: the line
// the operator selected, the message and question boxes, and the refresh.
// Texts are Windows-1252 bytes.

#include <cstdint>
#include <optional>
#include <string>

#include "register/evenement.h"

namespace qx30 {

// The three entry lists, one per state.
enum class Liste { liste, attente, actives };

// The operator at the window: the line selected and the boxes answered. The
// register's operations and the session both ask it.
class Operator {
 public:
  virtual ~Operator() = default;

  // The text of the selected line of a list, or nothing when none is.
  virtual std::optional<std::string> ligne_choisie(Liste liste) = 0;
  // Modal message with one OK button.
  virtual void message(const std::string& texte) = 0;
  // Modal Yes/No question; true only for Yes.
  virtual bool question(const std::string& texte) = 0;
};

class Desk : public Operator {
 public:
  // The full rebuild of the window from the table.
  virtual void affichage() = 0;

  // Flight control's view of the window.
  // Lines of the list of models in flight, and the integer of the maximum field.
  virtual int nombre_en_vol() = 0;
  virtual int nbre_max() = 0;
  // The clock's hh:nn, the start time of an entry entering "A" or "V".
  virtual std::string heure() = 0;
  // The authorisation check of a frequency against the interdictions: false
  // when refused, with one reason group appended to texte_motifs per hit.
  virtual bool autoriser(std::int32_t freq_testee, bool teste_en_vol, std::string& texte_motifs) = 0;
  // Rebuilds the interdictions from the frequencies in flight.
  virtual void noire() = 0;

  // Records what an operation has just done in the session's journal. Never
  // throws: a journal that cannot be written does not stop the operation.
  virtual void journal(const t_evenement& evenement) = 0;
};

}  // namespace qx30
