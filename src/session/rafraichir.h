#pragma once
// One refresh of the window worked out from the table: every present entry
// checked again, the lines of the three entry lists, the warnings and the
// count captions. The window empties its lists, adds these lines (its sorted
// lists put them in order) and writes the captions.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "register/fiches.h"

namespace qx30 {

// The authorisation check of a frequency: false when refused, with one
// reason group appended to texte_motifs per interdiction hit.
using Verification =
    std::function<bool(std::int32_t freq_testee, bool teste_en_vol, std::string& texte_motifs)>;

struct t_rafraichissement {
  // Lines per list, in slot order. In clock mode `liste` stays empty: the
  // window leaves that list, and the operator's selection in it, alone.
  std::vector<std::string> liste, attente, actives;
  // Registered entries, counted in clock mode too, so that the total of the
  // three lists is known without reading the window.
  int nombre_liste = 0;
  std::string depassement;   // "DEPASSEMENT TEMPS" or empty
  std::string interdiction;  // "INTERDICTIONS parmi les actifs !" or empty
};

// Checks every present entry in slot order and stores the result in its
// `autorise`; builds the lines. temps_max is the integer of E_temps_max:
// a flight over it, strictly, raises the overrun warning.
t_rafraichissement rafraichir(t_fiches& fiches, const Verification& verifier,
                              std::int32_t temps_max, bool tic_minute);

struct t_legendes {
  std::string liste;    // Label_liste
  std::string attente;  // Label_attente
  std::string actives;  // Label_actives
  std::string noire;    // Label_noire
  std::string maxi;     // Label_maxi: "MAXIMUM ATTEINT" or empty
};

// The count captions from the numbers of lines: all three entry lists
// together, the queue, the models in flight and the interdictions; nbre_max
// is the integer of E_nbre_max.
t_legendes legendes(int enregistres, int en_attente, int en_vol, int interdictions,
                    std::int32_t nbre_max);

}  // namespace qx30
