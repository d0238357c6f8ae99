#include "common/cp1252.h"

#include <array>
#include <stdexcept>

namespace qx30 {

namespace {

// 0x80..0x9F: the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t cp1252_to_unicode(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return high_controls[byte - 0x80];
  return byte;
}

std::optional<std::uint8_t> unicode_to_cp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
  for (std::size_t i = 0; i < high_controls.size(); ++i)
    if (high_controls[i] == c) return static_cast<std::uint8_t>(0x80 + i);
  return std::nullopt;
}

std::string cp1252(std::u8string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<std::uint8_t>(utf8[i]);
    int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    if (i + extra >= utf8.size() && extra > 0) throw std::logic_error("truncated UTF-8 literal");
    for (int k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
    const auto byte = unicode_to_cp1252(c);
    if (!byte) throw std::logic_error("character outside Windows-1252 in a program text");
    out.push_back(static_cast<char>(*byte));
    i += extra + 1;
  }
  return out;
}

}  // namespace qx30
