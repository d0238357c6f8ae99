// Loading a session file of any content into a table that already holds
// entries. A file is either refused with the table left exactly as it was,
// or loaded whole; a loaded file written back gives its own records again.

#include <cstdint>
#include <string>

#include "outils_fuzz.h"
#include "register/cp1252.h"
#include "register/fiches.h"
#include "storage/io_error.h"
#include "storage/seance.h"

using namespace qx30;
using namespace qx30::fuzz;

namespace {

std::int32_t entier(const std::uint8_t* r, std::size_t a) {
  std::uint32_t u = 0;
  for (std::size_t k = 0; k < 4; ++k) u |= std::uint32_t{r[a + k]} << (8 * k);
  return static_cast<std::int32_t>(u);
}

// A record this program could have written: state "L", "A" or "V" (length
// 1), texts within their fields, no bracket in the libelle, and a free slot
// (frequency 0) only on the ground.
bool record_valide(const std::uint8_t* r) {
  if (r[0] != 1 || (r[1] != 'L' && r[1] != 'A' && r[1] != 'V')) return false;
  if (r[17] > 38 || r[60] > 5) return false;
  for (std::size_t i = 0; i < r[17]; ++i)
    if (r[18 + i] == '[' || r[18 + i] == ']') return false;
  return entier(r, 12) != 0 || r[1] == 'L';
}

// The record as writing it back must give: the bytes that mean nothing
// (after the state code, beyond each text, the padding) as zeros, autorise
// as 0 or 1, and the number of its place in the file.
Octets normalise(const std::uint8_t* r, std::int32_t numero) {
  Octets n(r, r + taille_fiche);
  n[2] = n[3] = 0;
  n[16] = r[16] != 0;
  for (std::size_t i = 18 + r[17]; i < 56; ++i) n[i] = 0;
  for (std::size_t k = 0; k < 4; ++k) n[56 + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(numero) >> (8 * k));
  for (std::size_t i = 61 + r[60]; i < 68; ++i) n[i] = 0;
  return n;
}

// A table with entries in flight, waiting, deleted and in the last slot, so
// that a load has something to replace.
const t_fiches& table_de_depart() {
  static const t_fiches table = [] {
    t_fiches t;
    t[1] = {"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 1, "14:05", 2};
    t[2] = {"A", 3, 0, 72130, true, "72130_X_._", 2, "14:10", 0};
    t[3] = {"L", 0, 0, 0, false, "", 3, "", 0};
    t[7] = {"L", 0, 5, 41000, false, "41000_Vert_._", 7, "", 1};
    t[999] = {"L", 0, 0, 26995, true, "26995_Bleu_._", 999, "", 0};
    return t;
  }();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  MemoireFS fs;
  fs.fichiers["s.dat"] = octets(data, taille);
  const t_fiches& depart = table_de_depart();
  t_fiches fiches = depart;

  // Only one record more than the table holds is read.
  const std::size_t n = std::min(taille, (max_enregistrements + 1) * taille_fiche) / taille_fiche;
  std::size_t premier_faux = 0;  // counted from 1; 0 when every record is sound
  for (std::size_t k = 0; k < n && premier_faux == 0; ++k)
    if (!record_valide(data + k * taille_fiche)) premier_faux = k + 1;
  const bool trop_long = n > max_enregistrements;

  try {
    charger_seance(fiches, "s.dat", fs);
  } catch (const SeanceInvalide& e) {
    QX30_VERIFIER(trop_long || premier_faux != 0);
    QX30_VERIFIER(static_cast<std::size_t>(e.enregistrement()) == (trop_long ? n : premier_faux));
    QX30_VERIFIER(std::string(e.what()).starts_with(cp1252(u8"Le fichier s.dat n'est pas une séance valide")));
    for (int j = 1; j <= nb_places; ++j) QX30_VERIFIER(fiches[j] == depart[j]);
    return 0;
  }
  QX30_VERIFIER(!trop_long && premier_faux == 0);

  // Slots 1 to n hold the records in file order, numbered 1 to n; every
  // other slot is free and keeps its other fields.
  Octets attendu;
  for (std::size_t k = 0; k < n; ++k) {
    const int j = static_cast<int>(k + 1);
    const Octets record = normalise(data + k * taille_fiche, j);
    QX30_VERIFIER(fiches[j].numero == j);
    const t_octets_fiche reecrit = encoder(fiches[j]);
    QX30_VERIFIER(Octets(reecrit.begin(), reecrit.end()) == record);
    QX30_VERIFIER(decoder(reecrit) == fiches[j]);
    attendu.insert(attendu.end(), record.begin(), record.end());
  }
  for (int j = static_cast<int>(n) + 1; j <= nb_places; ++j) {
    QX30_VERIFIER(fiches[j].numero == 0);
    t_fiche libre = depart[j];
    libre.numero = 0;
    QX30_VERIFIER(fiches[j] == libre);
  }

  // Saved again, the file is those records, and loads back the same.
  save_seance("r.dat", fiches, parametres_par_defaut, "p.ini", fs);
  QX30_VERIFIER(fs.fichiers.at("r.dat") == attendu);
  QX30_VERIFIER(fs.fichiers.size() == 3);  // s.dat, r.dat, p.ini: no temporary left
  t_fiches relu = depart;
  charger_seance(relu, "r.dat", fs);
  for (int j = 1; j <= static_cast<int>(n); ++j) QX30_VERIFIER(relu[j] == fiches[j]);
  return 0;
}
