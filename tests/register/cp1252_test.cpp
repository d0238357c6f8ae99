#include "register/cp1252.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

TEST(Cp1252, MapsBothWays) {
  EXPECT_EQ(cp1252_to_unicode(0x41), U'A');
  EXPECT_EQ(cp1252_to_unicode(0xE9), U'é');
  EXPECT_EQ(cp1252_to_unicode(0x80), U'€');
  EXPECT_EQ(cp1252_to_unicode(0x9C), U'œ');
  EXPECT_EQ(cp1252_to_unicode(0x81), char32_t{0x81});
  EXPECT_EQ(unicode_to_cp1252(U'€'), 0x80);
  EXPECT_EQ(unicode_to_cp1252(U'Ÿ'), 0x9F);
  EXPECT_EQ(unicode_to_cp1252(U'ÿ'), 0xFF);
  EXPECT_FALSE(unicode_to_cp1252(U'Ā'));
  EXPECT_FALSE(unicode_to_cp1252(U'😀'));
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(unicode_to_cp1252(cp1252_to_unicode(static_cast<std::uint8_t>(b))), b);
}

TEST(Cp1252, ProgramTextsBecomeSingleBytes) {
  EXPECT_EQ(cp1252(u8"fréquence à 5 €"), "fr\xE9quence \xE0 5 \x80");
  EXPECT_THROW(cp1252(u8"Ā"), std::logic_error);
}

}  // namespace
}  // namespace qx30
