#pragma once
// A local date and time, as the clock gives it, and its text.

#include <cstdint>
#include <ctime>
#include <string>

namespace qx30 {

struct t_date_heure {
  int annee = 0;    // 0 to 9999
  int mois = 0;     // 1 to 12
  int jour = 0;     // 1 to 31
  int heure = 0;    // 0 to 23
  int minute = 0;   // 0 to 59
  int seconde = 0;  // 0 to 59
};

t_date_heure depuis_tm(const std::tm& tm);

// The local date and time of the present moment; the clock of the program
// (SystemClock) reads it, tests set their own.
t_date_heure date_heure_locale();
// ... and of another moment.
t_date_heure date_heure_locale(std::time_t moment);

// Seconds from `avant` to `apres`, both local, by the calendar: a change to
// or from summer time between them is not counted.
std::int64_t secondes_entre(const t_date_heure& avant, const t_date_heure& apres);

// "dd/mm/yyyy hh:nn:ss", always 19 characters, whatever the locale.
std::string texte_date_heure(const t_date_heure& moment);

}  // namespace qx30
