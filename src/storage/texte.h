#pragma once
// Text files as the program reads them: bytes to Windows-1252 text, and the
// text cut into lines.

#include <string>
#include <string_view>
#include <vector>

namespace qx30 {

// True when the bytes are well-formed UTF-8 (no overlong form, no surrogate,
// nothing above U+10FFFF).
bool est_utf8(std::string_view octets);

// The bytes as Windows-1252 text. Valid UTF-8 (with or without its byte
// order mark, which is dropped) is converted, a character that Windows-1252
// lacks becoming "?"; anything else is taken as Windows-1252 already. Plain
// ASCII reads the same either way.
std::string en_cp1252(std::string_view octets);

// Lines end at CR LF, a lone LF or a lone CR; a break at the very end adds no
// line; an empty line in the middle is an empty line; a NUL ends the text.
std::vector<std::string> decouper_lignes(std::string_view texte);

// A text file's bytes as Windows-1252 lines, cut as decouper_lignes cuts.
// Each line is decoded on its own (en_cp1252): a line typed on a machine of
// the other encoding spoils no other line. A byte order mark at the start is
// dropped.
std::vector<std::string> lignes_cp1252(std::string_view octets);

}  // namespace qx30
