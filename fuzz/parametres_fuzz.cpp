// Reading "parametres.ini" of any content: shorter than 20 bytes it is
// "Read beyond end of file"; otherwise the five colours are its first 20
// bytes, little-endian, and writing them back gives exactly those bytes.

#include <cstdint>
#include <cstring>

#include "outils_fuzz.h"
#include "storage/io_error.h"
#include "storage/parametres.h"

using namespace qx30;
using namespace qx30::fuzz;

namespace {

std::uint32_t couleur(const std::uint8_t* o) {
  return std::uint32_t{o[0]} | std::uint32_t{o[1]} << 8 | std::uint32_t{o[2]} << 16 |
         std::uint32_t{o[3]} << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  MemoireFS fs;
  fs.fichiers["parametres.ini"] = octets(data, taille);

  t_parametres lus;
  try {
    lus = lire_param("parametres.ini", fs);
  } catch (const InOutError& e) {
    QX30_VERIFIER(taille < taille_parametres);
    QX30_VERIFIER(e.code() == code_io::lecture_au_dela);
    QX30_VERIFIER(std::strcmp(e.what(), "Read beyond end of file") == 0);
    QX30_VERIFIER(fs.fichiers.at("parametres.ini") == octets(data, taille));
    return 0;
  }
  QX30_VERIFIER(taille >= taille_parametres);
  QX30_VERIFIER(lus.couleur_actives == couleur(data));
  QX30_VERIFIER(lus.couleur_attente == couleur(data + 4));
  QX30_VERIFIER(lus.couleur_liste == couleur(data + 8));
  QX30_VERIFIER(lus.couleur_noire == couleur(data + 12));
  QX30_VERIFIER(lus.couleur_fond == couleur(data + 16));

  const Octets vingt = octets(data, taille_parametres);
  const auto encodes = encoder_parametres(lus);
  QX30_VERIFIER(Octets(encodes.begin(), encodes.end()) == vingt);

  // Written back over itself the file is cut to its 20 bytes (or kept when
  // it already is exactly them), and reads the same colours.
  save_param(lus, "parametres.ini", fs);
  QX30_VERIFIER(fs.fichiers.at("parametres.ini") == vingt);
  QX30_VERIFIER(fs.fichiers.size() == 1);
  QX30_VERIFIER(lire_param("parametres.ini", fs) == lus);
  return 0;
}
