#include "session/minute.h"

#include <algorithm>
#include <limits>

namespace qx30 {

bool compter_minute(t_fiches& fiches, int minutes) {
  if (minutes <= 0) return false;
  bool minute_comptee = false;
  for (int i = 1; i <= nb_places; ++i) {
    t_fiche& f = fiches[i];
    if (f.numero == 0 || f.etat == "L") continue;
    minute_comptee = true;
    f.temps_vol += minutes;
    // Waiting minutes are not flight time.
    if (f.etat == "V") f.cumul_temps += minutes;
  }
  return minute_comptee;
}

int minutes_ecoulees(std::int64_t& depuis, std::int64_t maintenant) {
  constexpr std::int64_t minute = 60000, avance_toleree = 2000;
  const std::int64_t minutes = maintenant < depuis ? 0 : (maintenant - depuis + avance_toleree) / minute;
  depuis += minutes * minute;
  return static_cast<int>(std::min<std::int64_t>(minutes, std::numeric_limits<int>::max()));
}

std::string heure_horloge(std::string_view horloge) {
  if (horloge.size() <= 11) return {};
  return std::string(horloge.substr(11, 5));
}

}  // namespace qx30
