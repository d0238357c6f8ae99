// The small rules every layer relies on: the integer reading, the rounding
// of a half, the code page and the date.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "common/cp1252.h"
#include "common/date_heure.h"
#include "common/moitie.h"
#include "common/str_to_int.h"

namespace qx30 {
namespace {

TEST(Conversions, IntegersNegativeHalvesAndCodePage) {
  const std::pair<const char*, std::int32_t> entiers[] = {
      {"35010", 35010}, {"   42", 42}, {"-7", -7}, {"+7", 7}, {"0035", 35}, {"$1F", 31}, {"x10", 16},
      {"0X10", 16}, {"$FFFFFFFF", -1}, {"-2147483648", INT32_MIN}};
  for (const auto& [t, v] : entiers) EXPECT_EQ(try_str_to_int(t), v) << t;
  for (const char* faux : {"", " ", "-", "$", "0x", "35.010", "3501 ", "2147483648", "$100000000", "\t5"})
    EXPECT_FALSE(try_str_to_int(faux)) << '"' << faux << '"';
  for (const auto& [n, m] : {std::pair{-1, 0}, {-3, -2}, {-5, -2}}) EXPECT_EQ(moitie_arrondie(n), m) << n;
  EXPECT_EQ(cp1252(u8"fréquence à 5 € œ"), "fr\xE9quence \xE0 5 \x80 \x9C");
  EXPECT_THROW(cp1252(u8"Ā"), std::logic_error);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(unicode_to_cp1252(cp1252_to_unicode(std::uint8_t(b))), b);
  std::tm tm{};  // the system clock's reading
  tm.tm_year = 105, tm.tm_mon = 11, tm.tm_mday = 2, tm.tm_hour = 14, tm.tm_min = 30, tm.tm_sec = 5;
  EXPECT_EQ(texte_date_heure(depuis_tm(tm)), "02/12/2005 14:30:05");
}

}  // namespace
}  // namespace qx30
