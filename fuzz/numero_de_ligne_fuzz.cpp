// An entry line built from a pilot and a comment of any content: the libelle
// holds no bracket, and the line gives its own number back.
#include <string>

#include "register/fiches.h"
#include "verifier.h"

using namespace qx30;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  const std::string brut(reinterpret_cast<const char*>(data), taille);
  const std::size_t nul = std::min(brut.find('\0'), brut.size());
  const std::string libelle = construire_libelle("35010", brut.substr(0, nul), brut.substr(std::min(nul + 1, brut.size())));
  QX30_VERIFIER(libelle.size() <= 38 && libelle.find_first_of("[]") == std::string::npos && libelle.starts_with("35010_"));
  const auto numero = static_cast<std::int32_t>(taille * 7919 % 1000);
  QX30_VERIFIER(numero_de_ligne("14:05=t012_" + libelle + "[" + std::to_string(numero) + "]c000e000" + brut) == numero);
  return 0;
}
