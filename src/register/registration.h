#pragma once
// Registering, deleting and resetting entries: the operations that change the
// set of entries or their counters without moving an entry between states.

#include <optional>
#include <string>

#include "register/desk.h"
#include "register/fiches.h"

namespace qx30 {

// The operator's inputs for a registration, as Windows-1252 texts.
struct Saisie {
  std::optional<std::string> frequence;  // the chosen item of the frequency list, if any
  std::string pilote;                    // chosen item's text, or the typed text
  std::string commentaire;
};

enum class Enregistrement {
  sans_frequence,  // no frequency chosen: message, nothing changed
  table_pleine,    // slots 1 to 998 taken: message, nothing changed
  enregistre,      // a new entry in state "L", window refreshed
};

// Fills the lowest free slot with a new registered entry. A frequency item
// that is not an integer throws ConvertError and leaves the slot free.
Enregistrement enregistrer(t_fiches& fiches, Desk& desk, const Saisie& saisie);

// Deletes the registered entry of the selected line of the list, after the
// question; refused while the entry has flight minutes counted.
void supprimer(t_fiches& fiches, Desk& desk);

// After the question, zeroes the time and flight counters of every slot; an
// entry in flight keeps the flight under way.
void remise_a_zero(t_fiches& fiches, Desk& desk);

}  // namespace qx30
