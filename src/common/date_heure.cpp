#include "common/date_heure.h"

#include <cstdio>

namespace qx30 {

t_date_heure depuis_tm(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

t_date_heure date_heure_locale() { return date_heure_locale(std::time(nullptr)); }

t_date_heure date_heure_locale(std::time_t moment) {
  std::tm tm{};
  localtime_r(&moment, &tm);
  return depuis_tm(tm);
}

namespace {

// Days from 1 March of year 0 (the civil calendar's days, leap years included).
std::int64_t jours(const t_date_heure& d) {
  const std::int64_t a = d.mois <= 2 ? d.annee - 1 : d.annee;
  const std::int64_t m = d.mois <= 2 ? d.mois + 9 : d.mois - 3;
  return 365 * a + a / 4 - a / 100 + a / 400 + (153 * m + 2) / 5 + d.jour - 1;
}

std::int64_t secondes(const t_date_heure& d) {
  return jours(d) * 86400 + d.heure * 3600 + d.minute * 60 + d.seconde;
}

}  // namespace

std::int64_t secondes_entre(const t_date_heure& avant, const t_date_heure& apres) {
  return secondes(apres) - secondes(avant);
}

std::string texte_date_heure(const t_date_heure& m) {
  char texte[64];
  std::snprintf(texte, sizeof texte, "%02d/%02d/%04d %02d:%02d:%02d", m.jour, m.mois, m.annee,
                m.heure, m.minute, m.seconde);
  return texte;
}

}  // namespace qx30
