#pragma once
// t_interdiction: one forbidden frequency, the rule that forbids it and the
// frequency in flight it is attributed to; t_interdictions: the table of them
// that each rebuild refills from the frequencies in flight.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "register/fiches.h"

namespace qx30 {

// Slots of the table, numbered from 1.
inline constexpr int nb_places_interdictions = 9999;
// The slots a rebuild clears, and that the authorisation check reads however
// few entries the table holds (cleared slots read as frequency 0).
inline constexpr int places_examinees = 999;
// A motif holds at most 30 Windows-1252 characters (so "é" counts one).
inline constexpr std::size_t motif_capacite = 30;

struct t_interdiction {
  std::int32_t freq_interdite = 0;  // kHz
  std::int32_t freq_origine = 0;    // kHz, the frequency in flight it comes from
  std::string motif;                // the rule, with frequencies written into it

  bool operator==(const t_interdiction&) const = default;
};

// A pair row that a full table could not hold: row `rang` (1 to 7) of the
// pair of the i-th and j-th frequencies in flight (from 0, in slot order).
struct t_hors_table {
  std::int32_t freq_interdite;
  std::uint16_t i;
  std::uint16_t j;
  std::uint8_t rang;
};

// What the last rebuild could not put into the full table, kept as
// references to pair rows so that the check still sees every forbidden
// frequency: a start must never be authorised on one the table left out.
struct t_reste {
  std::vector<std::int32_t> freq_actives;  // in slot order
  bool freq_image = false;
  std::vector<t_hors_table> rangs;  // by forbidden frequency, then in the rebuild's order
};

class t_interdictions {
 public:
  // Every slot clear: both frequencies 0, motif empty.
  t_interdictions();

  // Slot by number, 1 to 9999; any other number is a RangeError. Slots
  // change only through recommencer and ajouter.
  const t_interdiction& operator[](int place) const {
    if (place < 1 || place > nb_places_interdictions) throw RangeError();
    return places_[static_cast<std::size_t>(place - 1)];
  }

  // Entries of the last rebuild, in slots 1 to nb_interdictions().
  int nb_interdictions() const { return nb_interdictions_; }
  bool pleine() const { return nb_interdictions_ == nb_places_interdictions; }

  // The start of a rebuild: clears slots 1 to 999 and the rows left out, and
  // counts no entry. Slots past 999 keep what an earlier rebuild left in
  // them until written over: the check never reads them, and the lines stop
  // at the count.
  void recommencer();

  // Stores the entry into the slot after the last one, its motif cut to 30
  // characters. Once the table holds 9999 entries, further ones are dropped.
  void ajouter(std::int32_t freq_interdite, std::int32_t freq_origine, std::string_view motif);

  // The slots the check reads: 1 to 999, and every entry past them.
  int derniere_examinee() const { return std::max(places_examinees, nb_interdictions_); }

  // The examined slots whose forbidden frequency lies within `ecart` of
  // `freq`, in slot order. The check runs for every entry at every refresh;
  // this spares it a walk through thousands of slots each time.
  std::vector<int> places_proches(std::int32_t freq, std::int32_t ecart) const;

  // The rows the last rebuild left out (none below the cap).
  const t_reste& reste() const { return reste_; }
  void retenir_reste(t_reste reste) { reste_ = std::move(reste); }

 private:
  std::vector<t_interdiction> places_;
  int nb_interdictions_ = 0;
  t_reste reste_;
  // The examined slots sorted by forbidden frequency, made again after a change.
  mutable std::vector<std::pair<std::int32_t, int>> par_frequence_;
  mutable bool index_a_jour_ = false;
};

}  // namespace qx30
