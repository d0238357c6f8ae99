#include "interdictions/interdictions.h"

#include <utility>

namespace qx30 {

t_interdictions::t_interdictions() : places_(nb_places_interdictions) {}

t_interdiction& t_interdictions::operator[](int place) {
  return const_cast<t_interdiction&>(std::as_const(*this)[place]);
}

void t_interdictions::recommencer() {
  for (int place = 1; place <= places_examinees; ++place) {
    t_interdiction& slot = (*this)[place];
    slot.freq_interdite = 0;
    slot.freq_origine = 0;
    slot.motif.clear();
  }
  nb_interdictions_ = 0;
}

void t_interdictions::ajouter(std::int32_t freq_interdite, std::int32_t freq_origine,
                              std::string_view motif) {
  if (pleine()) return;
  ++nb_interdictions_;
  t_interdiction& slot = (*this)[nb_interdictions_];
  slot.freq_interdite = freq_interdite;
  slot.freq_origine = freq_origine;
  slot.motif.assign(motif.substr(0, motif_capacite));
}

}  // namespace qx30
