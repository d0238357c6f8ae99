// One file of any content as the three choice lists: the reload either stops
// at the frequencies with the other boxes untouched, or leaves band
// frequencies in their plain decimal text and every line in the other boxes.
#include <string>
#include <vector>

#include "faux_disque.h"
#include "register/str_to_int.h"
#include "storage/listes.h"
#include "verifier.h"

using namespace qx30;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  testing::FauxDisque d;
  for (const char* nom : {fichier_frequences, fichier_pilotes, fichier_commentaires})
    d.poser(nom, testing::Octets(data, data + taille));
  const auto lignes = lire_lignes(fichier_pilotes, d);
  testing::Boite freq, pilote, comm;
  try {
    recharger_listes(freq, pilote, comm, {}, d);
  } catch (const ConvertError&) {
    QX30_VERIFIER(pilote.items == std::vector<std::string>{"ancien"});
    return 0;
  }
  for (const std::string& f : freq.items) {
    const int v = try_str_to_int(f).value_or(1);
    QX30_VERIFIER(std::to_string(v) == f && v % 5 == 0 && (v / 1000 == 26 || v / 1000 == 27 || v / 1000 == 35 ||
                                                           (v >= 40000 && v < 43000) || v / 1000 == 72));
  }
  QX30_VERIFIER(pilote.items == lignes && comm.items == lignes);
  return 0;
}
