#include "board/tableau.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "common/cp1252.h"
#include "interdictions/autorisation.h"
#include "register/etalement.h"
#include "session/ligne.h"

namespace qx30 {

std::string en_mhz(std::int32_t khz) {
  const std::int64_t a = std::llabs(khz);
  std::string milliers = std::to_string(a % 1000);
  return (khz < 0 ? "-" : "") + std::to_string(a / 1000) + "," + std::string(3 - milliers.size(), '0') +
         milliers;
}

std::string mot_etat(Etat_canal etat) {
  return etat == Etat_canal::libre ? "libre" : etat == Etat_canal::en_vol ? "en vol" : "interdite";
}

namespace {

std::optional<std::int32_t> nombre(std::string_view texte) {
  std::int32_t n = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
  if (erreur != std::errc() || fin == texte.data()) return std::nullopt;
  return n;
}

// The libelle is frequency "_" pilot "_" comment "_": the pilot is what
// lies between the first two "_" (all of a pilot's name without one).
std::string pilote(const std::string& libelle) {
  const std::size_t debut = libelle.find('_');
  if (debut == std::string::npos) return {};
  const std::size_t fin = libelle.find('_', debut + 1);
  return libelle.substr(debut + 1, fin == std::string::npos ? std::string::npos : fin - debut - 1);
}

// One interdiction of a refusal in words, from its motif and the frequency
// in flight it comes from. A pair's motif names its other frequency right
// after the rule: the 30 characters it is cut to always keep it whole.
std::string en_mots(std::int32_t freq, std::string_view motif, std::int32_t origine) {
  if (motif.starts_with(cp1252(u8"déjà_a")))
    return cp1252(u8"à ") + std::to_string(std::llabs(std::int64_t{freq} - origine)) + " kHz de " +
           en_mhz(origine);
  if (motif.starts_with("est_freq_image_de") || motif.starts_with("sera_freq_image_de"))
    return "image de " + en_mhz(origine);
  struct Paire {
    std::string_view regle, mots;
  };
  for (const auto& [regle, mots] :
       {Paire{"sera_intermod_", "intermodulation de "},
        Paire{"freq_img=intermod_inf_", "image d'intermodulation de "},
        Paire{"freq_img=intermod_sup_", "image d'intermodulation de "},
        Paire{"intermod_inf_", "intermodulation de "}, Paire{"intermod_sup_", "intermodulation de "}}) {
    if (!motif.starts_with(regle)) continue;
    const std::string_view reste = motif.substr(regle.size());
    const std::optional<std::int32_t> autre = nombre(reste);
    if (!autre) break;
    // "intermod_inf_41000=freq_img_de": with the other frequency, a product on an image.
    const bool image = reste.find("=freq_img") != std::string_view::npos;
    return std::string(image ? "image d'intermodulation de " : mots) + en_mhz(std::min(*autre, origine)) +
           " et " + en_mhz(std::max(*autre, origine));
  }
  return std::string(motif) + " " + en_mhz(origine);
}

// The check's reasons, "-(" motif "_" origin " )" each, in words, each once.
std::string raisons(std::int32_t freq, std::string_view motifs) {
  std::vector<std::string> vues;
  for (std::size_t debut = motifs.find("-("); debut != std::string_view::npos;) {
    const std::size_t fin = motifs.find(" )", debut);
    const std::string_view groupe = motifs.substr(debut + 2, fin - debut - 2);
    const std::size_t tiret = groupe.rfind('_');
    const std::optional<std::int32_t> origine = nombre(groupe.substr(tiret + 1));
    std::string mots = origine ? en_mots(freq, groupe.substr(0, tiret), *origine) : std::string(groupe);
    if (std::ranges::find(vues, mots) == vues.end()) vues.push_back(std::move(mots));
    debut = fin == std::string_view::npos ? fin : motifs.find("-(", fin);
  }
  std::string texte;
  for (const std::string& mots : vues) texte += (texte.empty() ? "" : ", ") + mots;
  return texte;
}

}  // namespace

std::string nom_canal(const t_canal& canal) {
  return std::to_string(canal.freq) + " " + mot_etat(canal.etat) +
         (canal.detail.empty() ? "" : " " + canal.detail);
}

std::string texte_ligne(const t_ligne_pilote& ligne) {
  return ligne.frequence + " " + ligne.pilote + " " + ligne.minutes +
         (ligne.depassement ? " DEPASSEMENT TEMPS" : "");
}

t_tableau tableau_pilotes(const t_fiches& fiches, const t_interdictions& interdictions,
                          const t_reglages_tableau& reglages, const std::vector<std::int32_t>& frequences,
                          const Ordre_lignes& ordre) {
  t_tableau t;
  t.horloge = reglages.horloge;
  // Each entry's line as its list shows it: its number makes it unique before
  // any reasons, so the line without them sorts the same.
  std::vector<std::pair<std::string, const t_fiche*>> vols, attentes;
  for (int i = 1; i <= nb_places; ++i) {
    const t_fiche& f = fiches[i];
    if (!est_presente(f)) continue;
    if (f.etat == "V") vols.emplace_back(ligne_fiche(f, ""), &f);
    if (f.etat == "A") attentes.emplace_back(ligne_fiche(f, ""), &f);
  }
  const auto par_ligne = [&](const auto& a, const auto& b) { return ordre(a.first, b.first); };
  std::ranges::stable_sort(vols, par_ligne);
  std::ranges::stable_sort(attentes, par_ligne);
  const std::string limite = " / " + std::to_string(reglages.temps_max) + " min";
  for (const auto& [ligne, f] : vols)
    t.en_vol.push_back({en_mhz(f->freq), pilote(f->libelle), std::to_string(f->temps_vol) + limite,
                        f->temps_vol > reglages.temps_max});
  for (const auto& [ligne, f] : attentes)
    t.attente.push_back({en_mhz(f->freq), pilote(f->libelle), std::to_string(f->temps_vol) + " min", false});
  if (static_cast<std::int64_t>(vols.size()) >= reglages.nbre_max) t.maxi = "MAXIMUM ATTEINT";

  for (const std::int32_t freq : frequences) {
    // A 2.4 GHz radio needs no channel: its models are on the board in flight only.
    if (etalement_de_spectre(freq)) continue;
    t_canal canal{freq, Etat_canal::libre, {}};
    for (const auto& [ligne, f] : vols) {
      if (f->freq != freq) continue;
      canal.etat = Etat_canal::en_vol;
      canal.detail += (canal.detail.empty() ? "" : ", ") + pilote(f->libelle);
    }
    std::string motifs;
    // As AUTORISER asks it for a registered model on this frequency.
    if (canal.etat == Etat_canal::libre &&
        !auto_(interdictions, freq, false, reglages.options.ecart20, motifs)) {
      canal.etat = Etat_canal::interdite;
      canal.detail = raisons(freq, motifs);
    }
    t.canaux.push_back(std::move(canal));
  }
  return t;
}

}  // namespace qx30
