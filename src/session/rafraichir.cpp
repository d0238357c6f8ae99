#include "session/rafraichir.h"

#include "common/cp1252.h"
#include "session/ligne.h"

namespace qx30 {

t_rafraichissement rafraichir(t_fiches& fiches, const Verification& verifier,
                              std::int32_t temps_max, bool tic_minute) {
  t_rafraichissement r;
  for (int i = 1; i <= nb_places; ++i) {
    t_fiche& f = fiches[i];
    if (!est_presente(f)) continue;
    const bool en_vol = f.etat == "V";
    std::string motifs;
    f.autorise = verifier(f.freq, en_vol, motifs);
    std::string ligne = ligne_fiche(f, motifs);

    if (f.etat == "L") {
      ++r.nombre_liste;
      if (!tic_minute) r.liste.push_back(std::move(ligne));
    } else if (f.etat == "A") {
      r.attente.push_back(std::move(ligne));
    } else if (en_vol) {
      r.actives.push_back(std::move(ligne));
      if (f.temps_vol > temps_max) r.depassement = "DEPASSEMENT TEMPS";
      if (!f.autorise) r.interdiction = "INTERDICTIONS parmi les actifs !";
    }
  }
  return r;
}

t_legendes legendes(int enregistres, int en_attente, int en_vol, int interdictions,
                    std::int32_t nbre_max) {
  t_legendes l;
  l.liste = std::to_string(enregistres) + cp1252(u8" enregistré(s).");
  l.attente = std::to_string(en_attente) + " en attente.";
  l.actives = std::to_string(en_vol) + cp1252(u8" en évolution.");
  l.noire = std::to_string(interdictions) + " interdiction(s).";
  if (en_vol >= nbre_max) l.maxi = "MAXIMUM ATTEINT";
  return l;
}

}  // namespace qx30
