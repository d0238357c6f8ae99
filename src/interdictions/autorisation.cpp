#include "interdictions/autorisation.h"

#include <string_view>

#include "common/cp1252.h"
#include "interdictions/noire.h"
#include "register/etalement.h"

namespace qx30 {

namespace {

const std::string deja_a = cp1252(u8"déjà_a");

// The widest tolerance: a slot farther than this never forbids.
constexpr std::int64_t tolerance_max = 12;

std::int64_t tolerance(std::string_view motif, bool ecart20) {
  if (motif.starts_with("sera_inte")) return 4;
  if (motif.starts_with("intermod_")) return 6;
  if (motif.starts_with("freq_img=")) return 6;
  return ecart20 ? 12 : 6;
}

std::int64_t distance(std::int64_t x, std::int64_t y) { return x > y ? x - y : y - x; }

}  // namespace

bool auto_(const t_interdictions& table, std::int32_t freq_testee, bool teste_en_vol, bool ecart20,
           std::string& texte_motifs) {
  // No interdiction reaches a 2.4 GHz radio.
  if (etalement_de_spectre(freq_testee)) return true;
  bool autorisation = true;
  const auto examiner = [&](const t_interdiction& interdiction) {
    const std::int64_t ecart = distance(freq_testee, interdiction.freq_interdite);
    if (ecart > tolerance_max || ecart > tolerance(interdiction.motif, ecart20)) return;
    if (teste_en_vol && ecart == 0 && interdiction.motif.starts_with(deja_a)) return;
    autorisation = false;
    texte_motifs += "-(" + interdiction.motif + "_" + std::to_string(interdiction.freq_origine) + " )";
  };
  for (const int place : table.places_proches(freq_testee, tolerance_max)) examiner(table[place]);
  // The rows a full table left out come after its last slot.
  for (const t_interdiction& interdiction : hors_table(table, freq_testee, tolerance_max)) examiner(interdiction);
  return autorisation;
}

}  // namespace qx30
