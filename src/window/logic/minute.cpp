#include "window/logic/minute.h"

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

namespace {

// n in decimal, zero-filled to at least `chiffres` digits.
std::string zeros(int n, std::size_t chiffres) {
  std::string t = std::to_string(n);
  if (n >= 0 && t.size() < chiffres) t.insert(0, chiffres - t.size(), '0');
  return t;
}

}  // namespace

std::string texte_horloge(const t_instant& m) {
  return zeros(m.jour, 2) + "/" + zeros(m.mois, 2) + "/" + zeros(m.annee, 4) + " " +
         zeros(m.heure, 2) + ":" + zeros(m.minute, 2);
}

std::string heure_horloge(std::string_view horloge) {
  if (horloge.size() <= 11) return {};
  return std::string(horloge.substr(11, 5));
}

}  // namespace qx30
