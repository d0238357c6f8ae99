#include "interdictions/noire.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "register/moitie.h"
#include "register/cp1252.h"

namespace qx30 {

namespace {

const std::string deja_active = cp1252(u8"déjà_active");

bool en_vol(const t_fiche& fiche) { return fiche.numero != 0 && fiche.etat == "V"; }

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

// a is the frequency of the earlier slot, b that of the later one.
void ajouter_paire(t_interdictions& table, std::int64_t a, std::int64_t b, bool freq_image) {
  const std::int64_t lo = std::min(a, b);
  const std::int64_t hi = std::max(a, b);
  const std::int64_t d = hi - lo;
  if (d <= 5 || d >= 5000) return;

  ajouter(table, lo - d, a, t_motif() << "intermod_inf_" << b);
  ajouter(table, hi + d, a, t_motif() << "intermod_sup_" << b);
  ajouter(table, lo + moitie_arrondie(d), a, t_motif() << "sera_intermod_" << b);
  if (!freq_image) return;
  ajouter(table, lo - d + ecart_image, a, t_motif() << "freq_img=intermod_inf_" << b);
  ajouter(table, hi + d + ecart_image, a, t_motif() << "freq_img=intermod_sup_" << b);
  ajouter(table, moitie_arrondie(lo + hi - ecart_image), hi,
          a < b ? t_motif() << "intermod_inf_" << a << "=freq_img_de_"
                : t_motif() << "intermod_inf_" << b << "=freq_img_de" << a);
  ajouter(table, 2 * hi - lo + ecart_image, lo, t_motif() << "intermod_sup_" << hi << "=freq_img_de_");
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
  const std::size_t nb_actives = freq_actives.size();
  for (std::size_t i = 0; i + 1 < nb_actives; ++i)
    for (std::size_t j = i + 1; j < nb_actives; ++j) {
      if (table.pleine()) return;
      ajouter_paire(table, freq_actives[i], freq_actives[j], options.freq_image);
    }
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
