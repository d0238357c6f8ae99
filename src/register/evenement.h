#pragma once
// What an operation did, as the session's journal records it. Texts are
// Windows-1252 bytes.

#include <cstdint>
#include <string>
#include <utility>

#include "register/fiche.h"

namespace qx30 {

enum class Evenement {
  demarrage,
  enregistrement,
  suppression,
  raz_compteurs,
  autorisation,
  refus,
  attente,
  retrait_attente,
  fin_evolution,
  depassement,
  conflit_actifs,
  chargement,
  sauvegarde_manuelle,
  fermeture,
  reprise,           // an interrupted session taken up at start-up
  reprise_refusee,   // ... or left as it was
};

struct t_evenement {
  Evenement evenement;
  std::int32_t numero = 0;  // 0: the event concerns no entry
  std::int32_t freq = 0;
  std::string libelle;
  std::string detail;

  bool operator==(const t_evenement&) const = default;
};

// An event about one entry, as the entry is at that moment.
inline t_evenement evenement_de(Evenement evenement, const t_fiche& fiche, std::string detail = {}) {
  return t_evenement{evenement, fiche.numero, fiche.freq, fiche.libelle, std::move(detail)};
}

// An event that concerns no entry.
inline t_evenement evenement_seul(Evenement evenement, std::string detail = {}) {
  return t_evenement{evenement, 0, 0, {}, std::move(detail)};
}

}  // namespace qx30
