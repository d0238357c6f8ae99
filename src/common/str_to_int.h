#pragma once
// Text to integer the way the runtime reads numbers from the lists and lines.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qx30 {

// The runtime's conversion error; its message is shown in the error box.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Leading blanks are skipped, then an optional "-" or "+", then decimal
// digits; a "$", "x", "X", "0x" or "0X" prefix introduces hexadecimal digits
// instead (up to 32 bits, read as their two's-complement value). Anything
// else, an empty text or a value outside 32 bits is not an integer.
std::optional<std::int32_t> try_str_to_int(std::string_view text);

// As above, or ConvertError "'<text>' is not a valid integer value".
std::int32_t str_to_int(std::string_view text);

}  // namespace qx30
