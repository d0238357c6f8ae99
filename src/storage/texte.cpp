#include "storage/texte.h"

#include <cstdint>
#include <optional>

#include "common/cp1252.h"

namespace qx30 {

namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";

// The character at `i` and its length in bytes, or nothing if the sequence
// there is not well-formed UTF-8.
std::optional<std::pair<char32_t, std::size_t>> caractere_utf8(std::string_view s, std::size_t i) {
  const auto octet = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
  const std::uint8_t tete = octet(i);
  if (tete < 0x80) return std::pair{char32_t{tete}, std::size_t{1}};
  std::size_t longueur;
  char32_t c;
  char32_t minimum;
  if (tete >= 0xC2 && tete <= 0xDF) longueur = 2, c = tete & 0x1F, minimum = 0x80;
  else if (tete >= 0xE0 && tete <= 0xEF) longueur = 3, c = tete & 0x0F, minimum = 0x800;
  else if (tete >= 0xF0 && tete <= 0xF4) longueur = 4, c = tete & 0x07, minimum = 0x10000;
  else return std::nullopt;
  if (i + longueur > s.size()) return std::nullopt;
  for (std::size_t k = 1; k < longueur; ++k) {
    if ((octet(i + k) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (octet(i + k) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  return std::pair{c, longueur};
}

}  // namespace

bool est_utf8(std::string_view octets) {
  for (std::size_t i = 0; i < octets.size();) {
    const auto lu = caractere_utf8(octets, i);
    if (!lu) return false;
    i += lu->second;
  }
  return true;
}

std::string en_cp1252(std::string_view octets) {
  std::string_view corps = octets;
  if (corps.starts_with(bom)) corps.remove_prefix(bom.size());
  if (!est_utf8(corps)) return std::string(octets);

  std::string texte;
  texte.reserve(corps.size());
  for (std::size_t i = 0; i < corps.size();) {
    const auto [c, longueur] = *caractere_utf8(corps, i);
    const auto octet = unicode_to_cp1252(c);
    texte.push_back(octet ? static_cast<char>(*octet) : '?');
    i += longueur;
  }
  return texte;
}

std::vector<std::string> decouper_lignes(std::string_view texte) {
  texte = texte.substr(0, texte.find('\0'));
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    const std::size_t fin = std::min(texte.find_first_of("\r\n", debut), texte.size());
    lignes.emplace_back(texte.substr(debut, fin - debut));
    const bool crlf = fin + 1 < texte.size() && texte[fin] == '\r' && texte[fin + 1] == '\n';
    debut = fin + (crlf ? 2 : 1);
  }
  return lignes;
}

std::vector<std::string> lignes_cp1252(std::string_view octets) {
  if (octets.starts_with(bom)) octets.remove_prefix(bom.size());
  std::vector<std::string> lignes = decouper_lignes(octets);
  for (std::string& ligne : lignes) ligne = en_cp1252(ligne);
  return lignes;
}

}  // namespace qx30
