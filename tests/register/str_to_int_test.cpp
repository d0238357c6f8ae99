#include "register/str_to_int.h"

#include <gtest/gtest.h>

namespace qx30 {
namespace {

TEST(StrToInt, ReadsNumbersTheRuntimeWay) {
  EXPECT_EQ(try_str_to_int("35010"), 35010);
  EXPECT_EQ(try_str_to_int("   42"), 42);
  EXPECT_EQ(try_str_to_int("-7"), -7);
  EXPECT_EQ(try_str_to_int("+7"), 7);
  EXPECT_EQ(try_str_to_int("0035"), 35);
  EXPECT_EQ(try_str_to_int("$1F"), 31);
  EXPECT_EQ(try_str_to_int("x10"), 16);
  EXPECT_EQ(try_str_to_int("0X10"), 16);
  EXPECT_EQ(try_str_to_int("$FFFFFFFF"), -1);
  EXPECT_EQ(try_str_to_int("2147483647"), 2147483647);
  EXPECT_EQ(try_str_to_int("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RefusesWhatIsNotAnInteger) {
  for (const char* bad : {"", " ", "-", "$", "0x", "35.010", "3501 ", "12a", "2147483648",
                          "-2147483649", "$100000000", "\t5"}) {
    EXPECT_FALSE(try_str_to_int(bad)) << '"' << bad << '"';
  }
  try {
    str_to_int("35.010");
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'35.010' is not a valid integer value");
  }
}

}  // namespace
}  // namespace qx30
