#pragma once
// noire: the rebuild of the forbidden frequencies from the entries in flight,
// and the lines that show them.

#include <string>
#include <vector>

#include "interdictions/interdictions.h"
#include "register/fiches.h"

namespace qx30 {

// A receiver's image frequency lies this far (kHz) from its own.
inline constexpr std::int32_t ecart_image = 910;

// The two options the rebuild reads; both are on when the program starts.
struct options_noire {
  bool intermodulation = true;  // entries of each pair of frequencies in flight
  bool freq_image = true;       // image entries of each frequency and of each pair
};

// Rebuilds the table from scratch from the entries in flight (number set,
// state "V") on a crystal frequency, in slot order: a 2.4 GHz one adds no
// entry and is in no pair. First, for each frequency f in flight:
//   (f, f, "déjà_active"), and with the images
//   (f - 910, f, "est_freq_image_de"), (f + 910, f, "sera_freq_image_de").
// Then, with intermodulation, each pair of frequencies in flight in the order
// (1,2), (1,3), ... (n-1,n): a from the earlier slot, b from the later one,
// lo and hi the lower and higher, d = hi - lo. Only pairs with d from 6 to
// 4999 give entries, these in this order (+ x: the decimal text of x):
//   1. (lo - d,        a,  "intermod_inf_" + b)
//   2. (hi + d,        a,  "intermod_sup_" + b)
//   3. (lo + d/2,      a,  "sera_intermod_" + b)
//   and with the images:
//   4. (lo - d + 910,  a,  "freq_img=intermod_inf_" + b)
//   5. (hi + d + 910,  a,  "freq_img=intermod_sup_" + b)
//   6. ((lo + hi - 910)/2, hi, "intermod_inf_" + a + "=freq_img_de_" when a < b,
//                              "intermod_inf_" + b + "=freq_img_de" + a when a > b)
//   7. (2 hi - lo + 910, lo, "intermod_sup_" + hi + "=freq_img_de_")
// Halves round to the even neighbour; every motif is stored cut to 30
// characters. The table stops at 9999 entries (54 or more models in flight
// can produce more); the pair rows past them are kept in the table's reste,
// which the check reads after the slots.
void noire(const t_fiches& fiches, const options_noire& options, t_interdictions& table);

// The rows the last rebuild left out of the full table whose forbidden
// frequency lies within `ecart` of `freq`, in the order the rebuild made
// them: the entries a table without a cap would hold past slot 9999.
std::vector<t_interdiction> hors_table(const t_interdictions& table, std::int32_t freq, std::int32_t ecart);

// The lines of the interdiction list, one per entry in table order:
// freq_interdite, " ", motif, "_", freq_origine. The list that shows them
// keeps them sorted.
std::vector<std::string> lignes_noire(const t_interdictions& table);

}  // namespace qx30
