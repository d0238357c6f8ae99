#include "interdictions/noire.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "common/cp1252.h"
#include "common/moitie.h"
#include "register/etalement.h"

namespace qx30 {

namespace {

const std::string deja_active = cp1252(u8"déjà_active");

// A 2.4 GHz model in flight takes part in nothing: no entry of its own, no pair.
bool en_vol(const t_fiche& fiche) {
  return fiche.numero != 0 && fiche.etat == "V" && !etalement_de_spectre(fiche.freq);
}

std::string decimal(std::int64_t n) { return std::to_string(n); }

// A motif put together from texts and frequencies, kept to the 30 characters
// the table stores; built in place, since a rebuild makes thousands of them.
class t_motif {
 public:
  t_motif& operator<<(std::string_view texte) {
    const std::size_t n = std::min(texte.size(), motif_capacite - longueur_);
    std::copy_n(texte.begin(), n, car_.begin() + longueur_);
    longueur_ += n;
    return *this;
  }
  t_motif& operator<<(std::int64_t nombre) {
    std::array<char, 24> chiffres;
    const auto fin = std::to_chars(chiffres.begin(), chiffres.end(), nombre).ptr;
    return *this << std::string_view(chiffres.begin(), fin);
  }
  std::string_view texte() const { return {car_.data(), longueur_}; }

 private:
  std::array<char, motif_capacite> car_;
  std::size_t longueur_ = 0;
};

// The arithmetic runs on 64 bits so that no sum overflows; a result outside
// 32 bits (never a frequency of the choice list) wraps to 32 bits.
void ajouter(t_interdictions& table, std::int64_t freq_interdite, std::int64_t freq_origine,
             const t_motif& motif) {
  table.ajouter(static_cast<std::int32_t>(freq_interdite), static_cast<std::int32_t>(freq_origine),
                motif.texte());
}

void ajouter_frequence(t_interdictions& table, std::int64_t f, bool freq_image) {
  ajouter(table, f, f, t_motif() << deja_active);
  if (!freq_image) return;
  ajouter(table, f - ecart_image, f, t_motif() << "est_freq_image_de");
  ajouter(table, f + ecart_image, f, t_motif() << "sera_freq_image_de");
}

// The rows of the pair (a, b), a the frequency of the earlier slot and b
// that of the later one, in their order: each is handed to `rang` with its
// number, its forbidden frequency, its origin and a maker of its motif, so
// that a motif is built only when it is wanted.
template <class Rang>
void rangs_paire(std::int64_t a, std::int64_t b, bool freq_image, Rang&& rang) {
  const std::int64_t lo = std::min(a, b);
  const std::int64_t hi = std::max(a, b);
  const std::int64_t d = hi - lo;
  if (d <= 5 || d >= 5000) return;

  rang(1, lo - d, a, [&] { return t_motif() << "intermod_inf_" << b; });
  rang(2, hi + d, a, [&] { return t_motif() << "intermod_sup_" << b; });
  rang(3, lo + moitie_arrondie(d), a, [&] { return t_motif() << "sera_intermod_" << b; });
  if (!freq_image) return;
  rang(4, lo - d + ecart_image, a, [&] { return t_motif() << "freq_img=intermod_inf_" << b; });
  rang(5, hi + d + ecart_image, a, [&] { return t_motif() << "freq_img=intermod_sup_" << b; });
  rang(6, moitie_arrondie(lo + hi - ecart_image), hi, [&] {
    return a < b ? t_motif() << "intermod_inf_" << a << "=freq_img_de_"
                 : t_motif() << "intermod_inf_" << b << "=freq_img_de" << a;
  });
  rang(7, 2 * hi - lo + ecart_image, lo, [&] { return t_motif() << "intermod_sup_" << hi << "=freq_img_de_"; });
}

}  // namespace

void noire(const t_fiches& fiches, const options_noire& options, t_interdictions& table) {
  table.recommencer();

  std::vector<std::int32_t> freq_actives;
  for (int place = 1; place <= nb_places; ++place) {
    const t_fiche& fiche = fiches[place];
    if (!en_vol(fiche)) continue;
    freq_actives.push_back(fiche.freq);
    ajouter_frequence(table, fiche.freq, options.freq_image);
  }

  if (!options.intermodulation) return;
  // Past the cap the rows are kept as references, not dropped: the check
  // must see every forbidden frequency, the list shows what the table holds.
  t_reste reste;
  const std::size_t nb_actives = freq_actives.size();
  for (std::size_t i = 0; i + 1 < nb_actives; ++i)
    for (std::size_t j = i + 1; j < nb_actives; ++j)
      rangs_paire(freq_actives[i], freq_actives[j], options.freq_image,
                  [&](int rang, std::int64_t freq_interdite, std::int64_t freq_origine, auto motif) {
                    if (!table.pleine())
                      ajouter(table, freq_interdite, freq_origine, motif());
                    else
                      reste.rangs.push_back({static_cast<std::int32_t>(freq_interdite),
                                             static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j),
                                             static_cast<std::uint8_t>(rang)});
                  });
  if (reste.rangs.empty()) return;
  std::ranges::stable_sort(reste.rangs, {}, &t_hors_table::freq_interdite);
  reste.freq_actives = std::move(freq_actives);
  reste.freq_image = options.freq_image;
  table.retenir_reste(std::move(reste));
}

std::vector<t_interdiction> hors_table(const t_interdictions& table, std::int32_t freq, std::int32_t ecart) {
  const t_reste& reste = table.reste();
  const auto debut = std::ranges::lower_bound(reste.rangs, std::int64_t{freq} - ecart, {},
                                              [](const t_hors_table& r) { return std::int64_t{r.freq_interdite}; });
  std::vector<t_hors_table> proches;
  for (auto it = debut; it != reste.rangs.end() && it->freq_interdite <= std::int64_t{freq} + ecart; ++it)
    proches.push_back(*it);
  std::ranges::sort(proches, {}, [](const t_hors_table& r) { return std::tuple(r.i, r.j, r.rang); });

  std::vector<t_interdiction> entrees;
  for (const t_hors_table& r : proches)
    rangs_paire(reste.freq_actives[r.i], reste.freq_actives[r.j], reste.freq_image,
                [&](int rang, std::int64_t freq_interdite, std::int64_t freq_origine, auto motif) {
                  if (rang != r.rang) return;
                  entrees.push_back({static_cast<std::int32_t>(freq_interdite),
                                     static_cast<std::int32_t>(freq_origine), std::string(motif().texte())});
                });
  return entrees;
}

std::vector<std::string> lignes_noire(const t_interdictions& table) {
  std::vector<std::string> lignes;
  lignes.reserve(static_cast<std::size_t>(table.nb_interdictions()));
  for (int place = 1; place <= table.nb_interdictions(); ++place) {
    const t_interdiction& interdiction = table[place];
    lignes.push_back(decimal(interdiction.freq_interdite) + " " + interdiction.motif + "_" +
                     decimal(interdiction.freq_origine));
  }
  return lignes;
}

}  // namespace qx30
