// "parametres.ini" of any content: shorter than 20 bytes it is "Read beyond
// end of file"; otherwise its first 20 bytes, written back, are the file.
#include "faux_disque.h"
#include "storage/io_error.h"
#include "storage/parametres.h"
#include "verifier.h"

using namespace qx30;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  testing::FauxDisque d;
  d.poser("p.ini", testing::Octets(data, data + taille));
  t_parametres lus;
  try {
    lus = lire_param("p.ini", d);
  } catch (const InOutError& e) {
    QX30_VERIFIER(taille < taille_parametres && e.code() == code_io::lecture_au_dela);
    return 0;
  }
  QX30_VERIFIER(taille >= taille_parametres);
  save_param(lus, "p.ini", d);
  QX30_VERIFIER(d.contenu("p.ini") == testing::Octets(data, data + taille_parametres));
  return 0;
}
