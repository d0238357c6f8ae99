#pragma once
// Windows-1252, the code page of every text the program stores or shows.
// The core keeps texts as these bytes; conversion to Unicode happens at the
// window's edge, and these two tables are the only place that knows the mapping.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx30 {

// The Unicode character a byte stands for. The five bytes Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, as Windows itself does, so every byte survives a round trip.
char32_t cp1252_to_unicode(std::uint8_t byte);

// The byte for a Unicode character, or nothing when Windows-1252 lacks it.
std::optional<std::uint8_t> unicode_to_cp1252(char32_t c);

// A UTF-8 literal of the source code as Windows-1252 bytes, so that the
// program's French texts can be written legibly. Throws std::logic_error on a
// character the code page lacks: that is a programming error.
std::string cp1252(std::u8string_view utf8);

}  // namespace qx30
