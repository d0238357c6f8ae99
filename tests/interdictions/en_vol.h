#pragma once
// Test helpers: entries in a given state, and the interdiction list in the
// order a sorted list box shows it.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "register/fiches.h"

namespace qx30::testing {

inline void poser(t_fiches& fiches, int place, std::int32_t freq, const char* etat) {
  fiches[place].numero = place;
  fiches[place].etat = etat;
  fiches[place].freq = freq;
}

inline void en_vol(t_fiches& fiches, int place, std::int32_t freq) { poser(fiches, place, freq, "V"); }

// Ascending, letters compared without regard to case, as the list box sorts.
inline std::vector<std::string> trier(std::vector<std::string> lignes) {
  const auto avant = [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  };
  std::ranges::sort(lignes, [&](const std::string& x, const std::string& y) {
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), avant);
  });
  return lignes;
}

}  // namespace qx30::testing
