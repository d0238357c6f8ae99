#include "interdictions/interdictions.h"

#include <algorithm>

namespace qx30 {

t_interdictions::t_interdictions() : places_(nb_places_interdictions) {}

void t_interdictions::recommencer() {
  index_a_jour_ = false;
  for (int place = 1; place <= places_examinees; ++place) {
    t_interdiction& slot = places_[static_cast<std::size_t>(place - 1)];
    slot.freq_interdite = 0;
    slot.freq_origine = 0;
    slot.motif.clear();
  }
  nb_interdictions_ = 0;
  reste_ = t_reste{};
}

void t_interdictions::ajouter(std::int32_t freq_interdite, std::int32_t freq_origine,
                              std::string_view motif) {
  if (pleine()) return;
  index_a_jour_ = false;
  ++nb_interdictions_;
  t_interdiction& slot = places_[static_cast<std::size_t>(nb_interdictions_ - 1)];
  slot.freq_interdite = freq_interdite;
  slot.freq_origine = freq_origine;
  slot.motif.assign(motif.substr(0, motif_capacite));
}

std::vector<int> t_interdictions::places_proches(std::int32_t freq, std::int32_t ecart) const {
  if (!index_a_jour_) {
    par_frequence_.clear();
    for (int place = 1; place <= derniere_examinee(); ++place)
      par_frequence_.emplace_back((*this)[place].freq_interdite, place);
    std::sort(par_frequence_.begin(), par_frequence_.end());
    index_a_jour_ = true;
  }
  const std::int64_t bas = std::int64_t{freq} - ecart;
  const std::int64_t haut = std::int64_t{freq} + ecart;
  auto it = std::lower_bound(par_frequence_.begin(), par_frequence_.end(), bas,
                             [](const auto& entree, std::int64_t f) { return entree.first < f; });
  std::vector<int> places;
  for (; it != par_frequence_.end() && it->first <= haut; ++it) places.push_back(it->second);
  std::sort(places.begin(), places.end());
  return places;
}

}  // namespace qx30
