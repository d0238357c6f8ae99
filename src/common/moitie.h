#pragma once
// Halving an integer the way the program does everywhere: to the nearest
// integer, a half going to the even neighbour (15 gives 8, 25 gives 12,
// 13 gives 6, -3 gives -2).

#include <cstdint>

namespace qx30 {

constexpr std::int64_t moitie_arrondie(std::int64_t n) {
  // Floor division, so that negative values round like positive ones.
  std::int64_t q = n / 2;
  if (n % 2 != 0 && n < 0) --q;
  const bool reste_une_moitie = n - 2 * q == 1;
  if (reste_une_moitie && q % 2 != 0) ++q;  // the even neighbour of q and q + 1
  return q;
}

}  // namespace qx30
