#pragma once
// The pilots' board: what the screen in the pits shows of the session, in
// words a pilot reads: the clock, the models in flight and waiting, and one
// tile per frequency of the choice list, free, forbidden (and why) or in
// flight (and by whom). Worked out from the session as the desk holds it;
// texts are Windows-1252.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "interdictions/interdictions.h"
#include "register/fiches.h"
#include "session/session.h"

namespace qx30 {

enum class Etat_canal { libre, interdite, en_vol };

struct t_canal {
  std::int32_t freq = 0;  // kHz, as the choice list holds it
  Etat_canal etat = Etat_canal::libre;
  // Who flies on it, or why it is forbidden ("à 10 kHz de 35,010, image de
  // 41,100"); empty when free.
  std::string detail;

  bool operator==(const t_canal&) const = default;
};

// 35010 kHz as "35,010", the way a pilot reads it.
std::string en_mhz(std::int32_t khz);

// "libre", "interdite", "en vol".
std::string mot_etat(Etat_canal etat);

// The tile as a screen reader names it: the frequency as the list writes it,
// its state and its detail: "35010 en vol ROUGE", "41000 libre".
std::string nom_canal(const t_canal& canal);

// A model in flight or waiting.
struct t_ligne_pilote {
  std::string frequence;  // in MHz: "35,010"
  std::string pilote;
  std::string minutes;       // "7 / 10 min" in flight, "3 min" waiting
  bool depassement = false;  // flying longer than the limit

  bool operator==(const t_ligne_pilote&) const = default;
};

// "35,010 ROUGE 11 / 10 min DEPASSEMENT TEMPS".
std::string texte_ligne(const t_ligne_pilote& ligne);

struct t_tableau {
  std::string horloge;                          // dd/mm/yyyy hh:nn, as the desk's caption
  std::vector<t_ligne_pilote> en_vol, attente;  // in the order of the desk's lists
  std::string maxi;                             // "MAXIMUM ATTEINT" or empty
  std::vector<t_canal> canaux;                  // in the choice list's order

  bool operator==(const t_tableau&) const = default;
};

// What the board reads of the session beside its two tables: the options and
// limits as the operator set them, and the clock's text.
struct t_reglages_tableau {
  t_options options;
  std::int32_t temps_max = 10;
  std::int32_t nbre_max = 5;
  std::string horloge;
};

// The order of the desk's sorted lists, between two entry lines.
using Ordre_lignes = std::function<bool(const std::string&, const std::string&)>;

// A frequency is free exactly when the check that starts a registered model
// on it lets it through now; in flight when a model in flight holds it;
// forbidden otherwise, with one reason per rule that forbids it. The models
// in flight and waiting come in the order of their lines in the desk's lists;
// the maximum is reached when as many fly as nbre_max allows.
t_tableau tableau_pilotes(const t_fiches& fiches, const t_interdictions& interdictions,
                          const t_reglages_tableau& reglages, const std::vector<std::int32_t>& frequences,
                          const Ordre_lignes& ordre);

}  // namespace qx30
