#include "register/fiche.h"

#include <algorithm>

namespace qx30 {

namespace {

void put_int(t_octets_fiche& out, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (std::size_t k = 0; k < 4; ++k) out[at + k] = static_cast<std::uint8_t>(u >> (8 * k));
}

void put_text(t_octets_fiche& out, std::size_t at, std::size_t capacity, const std::string& s) {
  const std::size_t n = std::min(s.size(), capacity);
  out[at] = static_cast<std::uint8_t>(n);
  std::copy_n(s.begin(), n, out.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

std::int32_t get_int(std::span<const std::uint8_t, taille_fiche> in, std::size_t at) {
  std::uint32_t u = 0;
  for (std::size_t k = 0; k < 4; ++k) u |= static_cast<std::uint32_t>(in[at + k]) << (8 * k);
  return static_cast<std::int32_t>(u);
}

std::string get_text(std::span<const std::uint8_t, taille_fiche> in, std::size_t at, std::size_t capacity) {
  const std::size_t n = std::min<std::size_t>(in[at], capacity);
  return std::string(reinterpret_cast<const char*>(in.data() + at + 1), n);
}

}  // namespace

t_octets_fiche encoder(const t_fiche& f) {
  t_octets_fiche out{};
  put_text(out, champ::etat, champ::etat_capacite, f.etat);
  put_int(out, champ::temps_vol, f.temps_vol);
  put_int(out, champ::cumul_temps, f.cumul_temps);
  put_int(out, champ::freq, f.freq);
  out[champ::autorise] = f.autorise ? 1 : 0;
  put_text(out, champ::libelle, champ::libelle_capacite, f.libelle);
  put_int(out, champ::numero, f.numero);
  put_text(out, champ::heure_debut, champ::heure_debut_capacite, f.heure_debut);
  put_int(out, champ::nbre_evolutions, f.nbre_evolutions);
  return out;
}

t_fiche decoder(std::span<const std::uint8_t, taille_fiche> in) {
  t_fiche f;
  f.etat = get_text(in, champ::etat, champ::etat_capacite);
  f.temps_vol = get_int(in, champ::temps_vol);
  f.cumul_temps = get_int(in, champ::cumul_temps);
  f.freq = get_int(in, champ::freq);
  f.autorise = in[champ::autorise] != 0;
  f.libelle = get_text(in, champ::libelle, champ::libelle_capacite);
  f.numero = get_int(in, champ::numero);
  f.heure_debut = get_text(in, champ::heure_debut, champ::heure_debut_capacite);
  f.nbre_evolutions = get_int(in, champ::nbre_evolutions);
  return f;
}

}  // namespace qx30
