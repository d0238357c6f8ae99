// Finding an entry's number in a list line. The input is read twice: as a
// line of any content, and as the pieces of an entry line (number, pilot,
// comment, what follows the number) built the way the lists build theirs.

#include <cstdint>
#include <optional>
#include <string>

#include "outils_fuzz.h"
#include "register/fiches.h"
#include "register/str_to_int.h"

using namespace qx30;
using namespace qx30::fuzz;

namespace {

std::optional<std::int32_t> numero(std::string_view ligne) {
  try {
    return numero_de_ligne(ligne);
  } catch (const ConvertError&) {
    return std::nullopt;
  }
}

// The next piece of `reste` up to a NUL, which it consumes.
std::string_view piece(std::string_view& reste) {
  const std::size_t fin = std::min(reste.find('\0'), reste.size());
  const std::string_view p = reste.substr(0, fin);
  reste.remove_prefix(std::min(fin + 1, reste.size()));
  return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  const std::string_view brut = texte(data, taille);

  // Any line: when a "[" comes before the first "]", the number is what
  // stands between them, read as an integer.
  const std::size_t p = brut.find('['), q = brut.find(']');
  const std::optional<std::int32_t> lu = numero(brut);
  if (p != std::string_view::npos && q != std::string_view::npos && p < q)
    QX30_VERIFIER(lu == entier_de_reference(brut.substr(p + 1, q - p - 1)));

  // An entry line: start time, minutes, the libelle made from the pilot and
  // comment typed, "[" the number "]", then counters and reasons that may
  // hold brackets of their own.
  if (taille < 4) return 0;
  const auto n = static_cast<std::int32_t>(std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                                           std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24);
  std::string_view reste = brut.substr(4);
  const std::string_view pilote = piece(reste);
  const std::string_view commentaire = piece(reste);
  const std::string libelle = construire_libelle("35010", pilote, commentaire);
  QX30_VERIFIER(libelle.size() <= 38 && libelle.find_first_of("[]") == std::string::npos);
  QX30_VERIFIER(libelle.starts_with("35010_"));

  const std::string ligne = "14:05  12  " + libelle + "[" + std::to_string(n) + "]" + std::string(reste);
  QX30_VERIFIER(numero(ligne) == n);
  return 0;
}
