#pragma once
// Flight control: the operations that move an entry between registered ("L"),
// waiting ("A") and in flight ("V"), and the rule of the two limit fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "register/desk.h"
#include "register/fiches.h"

namespace qx30 {

// Button "AUTORISER", or a double-click in the list of registered entries:
// the selected registered entry takes off when fewer models than the maximum
// are in flight and its frequency passes the check.
void debut_vol(t_fiches& fiches, Desk& desk);

// Button "AUTORISER après attente", or a double-click in the waiting queue:
// the same as debut_vol for the selected waiting entry.
void fin_attente(t_fiches& fiches, Desk& desk);

// Button "mettre en attente": the selected registered entry joins the queue.
void mettre_en_attente(t_fiches& fiches, Desk& desk);

// Button "retirer de l'attente": the selected waiting entry goes back to "L".
void retirer_attente(t_fiches& fiches, Desk& desk);

// Button "fin d'évolution", or a double-click in the list of models in
// flight: after the operator confirms that the transmitter is back and off,
// the selected entry goes back to "L".
void fin_vol(t_fiches& fiches, Desk& desk);

// A limit field: the bounds its text is compared with (as texts, not as
// numbers), the text put in place of one out of bounds, and the number a text
// that is no integer becomes.
struct t_limite {
  std::string_view basse;
  std::string_view haute;
  std::string_view remplacement;
  std::int32_t repli;
};

// E_nbre_max, the most models in flight at once.
inline constexpr t_limite limite_nbre_max{"1", "99", "5", 5};
// E_temps_max, the minutes after which a flight is over its time.
inline constexpr t_limite limite_temps_max{"1", "999", "10", 9};

// What a change of a limit field's text leads to: the text the field must be
// set to, or nothing when the text stays as it is. Whatever the answer, the
// change handler ends with a refresh of the window.
//
// Setting the returned text changes the field again and runs the handler once
// more, nested; that run gets nothing back for the text it finds (the
// replacement texts and the fallback numbers are stable), so it only
// refreshes. A handler written as
//     if (auto t = texte_limite(field text, limite)) set field text to *t;
//     affichage();
// thus refreshes twice when it corrects the text and once otherwise.
std::optional<std::string> texte_limite(std::string_view texte, const t_limite& limite);

}  // namespace qx30
