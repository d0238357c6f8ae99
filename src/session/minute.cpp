#include "session/minute.h"

namespace qx30 {

bool compter_minute(t_fiches& fiches) {
  bool minute_comptee = false;
  for (int i = 1; i <= nb_places; ++i) {
    t_fiche& f = fiches[i];
    if (f.numero == 0 || f.etat == "L") continue;
    minute_comptee = true;
    f.temps_vol += 1;
    // Waiting minutes are not flight time.
    if (f.etat == "V") f.cumul_temps += 1;
  }
  return minute_comptee;
}

std::string heure_horloge(std::string_view horloge) {
  if (horloge.size() <= 11) return {};
  return std::string(horloge.substr(11, 5));
}

}  // namespace qx30
