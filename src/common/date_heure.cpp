#include "common/date_heure.h"

#include <cstdio>

namespace qx30 {

t_date_heure depuis_tm(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

t_date_heure date_heure_locale() {
  const std::time_t maintenant = std::time(nullptr);
  std::tm tm{};
  localtime_r(&maintenant, &tm);
  return depuis_tm(tm);
}

std::string texte_date_heure(const t_date_heure& m) {
  char texte[64];
  std::snprintf(texte, sizeof texte, "%02d/%02d/%04d %02d:%02d:%02d", m.jour, m.mois, m.annee,
                m.heure, m.minute, m.seconde);
  return texte;
}

}  // namespace qx30
