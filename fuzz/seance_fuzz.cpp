// A session file of any content loaded into a table that holds entries: it
// is refused with the table left as it was, or loaded whole; a loaded table
// saved and loaded again is the same table, and saved again the same bytes.
#include <cstdio>
#include <cstdlib>

#include "storage/seance.h"
#include "support/fake_disk.h"

// A broken property is a finding like a crash: say which, and abort.
#define QX30_VERIFIER(condition)                                                                           \
  ((condition) ? (void)0                                                                                   \
               : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition), \
                  std::abort()))

using namespace qx30;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  testing::FakeDisk d;
  d.put("s.dat", testing::Bytes(data, data + taille));
  t_fiches depart;
  depart[1] = {"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 1, "14:05", 2};
  depart[3] = {"L", 0, 0, 0, false, "", 3, "", 0};
  depart[999] = {"A", 1, 0, 26995, true, "26995_Bleu_._", 999, "10:00", 0};
  t_fiches fiches = depart;
  try {
    charger_seance(fiches, "s.dat", d);
  } catch (const SeanceInvalide&) {
    for (int j = 1; j <= nb_places; ++j) QX30_VERIFIER(fiches[j] == depart[j]);
    return 0;
  }
  const int n = static_cast<int>(taille / taille_fiche);
  QX30_VERIFIER(n <= nb_places);
  for (int j = 1; j <= nb_places; ++j) QX30_VERIFIER(fiches[j].numero == (j <= n ? j : 0));
  save_seance("r.dat", fiches, parametres_par_defaut, "p.ini", d);
  const auto ecrit = d.content("r.dat");
  QX30_VERIFIER(ecrit && ecrit->size() == static_cast<std::size_t>(n) * taille_fiche);
  t_fiches relu;
  charger_seance(relu, "r.dat", d);
  for (int j = 1; j <= n; ++j) QX30_VERIFIER(relu[j] == fiches[j]);
  save_seance("r.dat", relu, parametres_par_defaut, "p.ini", d);
  QX30_VERIFIER(d.content("r.dat") == ecrit);
  return 0;
}
