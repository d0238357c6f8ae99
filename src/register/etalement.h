#pragma once
// The 2.4 GHz band: radios that hop over the whole band, each receiver bound
// to its own transmitter. They disturb neither one another nor a crystal
// radio, so a model on them is registered, flies and counts against the
// maximum like any other, but is never forbidden and forbids nothing.

#include <cstdint>

namespace qx30 {

// The band in kHz, like every frequency of the lists; both ends included.
inline constexpr std::int32_t debut_2_4_ghz = 2400000;
inline constexpr std::int32_t fin_2_4_ghz = 2483500;

// Whether a frequency is spread spectrum, out of reach of the interdictions.
constexpr bool etalement_de_spectre(std::int32_t freq) {
  return freq >= debut_2_4_ghz && freq <= fin_2_4_ghz;
}

}  // namespace qx30
