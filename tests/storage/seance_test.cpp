// Session files and the colours file, over the fake disk.
#include "storage/seance.h"

#include <gtest/gtest.h>

#include <functional>

#include "faux_disque.h"
#include "storage/io_error.h"

namespace qx30 {
namespace {

using testing::FauxDisque;
using testing::Octets;

// In flight since 14:05, by hand.
const Octets record_3 = {1, 'V', 0, 0, 12, 0, 0, 0, 40, 0, 0, 0, 0xC2, 0x88, 0, 0, 1, 18, '3', '5', '0', '1',
                         '0', '_', 'R', 'O', 'U', 'G', 'E', '_', 'E', 'x', 't', 'r', 'a', '_', 0, 0, 0, 0, 0, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 5, '1', '4', ':', '0', '5', 0, 0,
                         2, 0, 0, 0};
const t_fiche fiche_3{"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 3, "14:05", 2};
// The layout's colours.
const Octets couleurs = {0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
                         0xFF, 0x00, 0xA6, 0xCA, 0xF0, 0x00, 0x18, 0x00, 0x00, 0x80};

Octets fois(const Octets& r, int n) {
  Octets o;
  for (int k = 0; k < n; ++k) o.insert(o.end(), r.begin(), r.end());
  return o;
}

std::string erreur(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "ok";
}

std::string charger(t_fiches& fiches, FauxDisque& d, const Octets& fichier) {
  d.poser("s.dat", fichier);
  return erreur([&] { charger_seance(fiches, "s.dat", d); });
}

TEST(Seance, NameFromTheDateAndTime) {
  EXPECT_EQ(texte_date_heure({2005, 12, 2, 14, 30, 5}), "02/12/2005 14:30:05");
  EXPECT_EQ(nom_seance({2005, 12, 2, 14, 30, 5}), "20051202_143005");
  EXPECT_EQ(nom_seance({2005, 12, 3, 0, 0, 0}), "20051203_000000");
  std::tm tm{};
  tm.tm_year = 105, tm.tm_mon = 11, tm.tm_mday = 2, tm.tm_hour = 14, tm.tm_min = 30, tm.tm_sec = 5;
  EXPECT_EQ(nom_seance(depuis_tm(tm)), "20051202_143005");
}

TEST(Seance, SavesNumberedSlotsUpTo999AndLoadsThemRenumbered) {
  t_fiches fiches;
  fiches[3] = fiche_3;
  fiches[5] = {"L", 0, 0, 0, false, "", 5, "", 0};  // deleted, not reused: written
  fiches[6].freq = 35010;                           // no number: never written
  fiches[999] = fiche_3;
  fiches[999].numero = 999;
  FauxDisque d;
  save_seance("s.dat", fiches, parametres_par_defaut, "p.ini", d);
  Octets supprimee(72, 0);
  supprimee[0] = 1, supprimee[1] = 'L', supprimee[56] = 5;
  Octets attendu = record_3;
  attendu.insert(attendu.end(), supprimee.begin(), supprimee.end());
  attendu.insert(attendu.end(), record_3.begin(), record_3.end());
  attendu[144 + 56] = 0xE7, attendu[144 + 57] = 0x03;
  EXPECT_EQ(d.contenu("s.dat"), attendu);
  EXPECT_EQ(d.contenu("p.ini"), couleurs);

  t_fiches chargees;
  chargees[999] = fiche_3, chargees[999].numero = 999;  // whatever was there is freed
  EXPECT_EQ(charger(chargees, d, attendu), "ok");
  EXPECT_EQ(chargees[1], (t_fiche{"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 1, "14:05", 2}));
  EXPECT_EQ(chargees[2].numero, 2);
  EXPECT_FALSE(est_presente(chargees[2]));
  EXPECT_EQ(chargees[3].numero, 3);
  EXPECT_EQ(chargees[999].numero, 0);

  // A full table: 999 records, slot 999 last.
  for (int j = 1; j <= 999; ++j) fiches[j] = fiche_3, fiches[j].numero = j;
  save_seance("s.dat", fiches, parametres_par_defaut, "p.ini", d);
  ASSERT_EQ(d.contenu("s.dat")->size(), 999u * 72u);
  EXPECT_EQ((*d.contenu("s.dat"))[998 * 72 + 56], 0xE7);
  EXPECT_EQ(charger(chargees, d, *d.contenu("s.dat")), "ok");
  EXPECT_EQ(chargees[999], fiches[999]);
}

TEST(Seance, ShortTailIgnoredAndFaultyFilesRefusedWithTheTableUntouched) {
  t_fiches fiches;
  FauxDisque d;
  Octets avec_reste = fois(record_3, 2);
  avec_reste.resize(150, 7);
  EXPECT_EQ(charger(fiches, d, avec_reste), "ok");
  EXPECT_EQ(fiches[2].numero, 2);
  EXPECT_EQ(fiches[3].numero, 0);
  EXPECT_EQ(charger(fiches, d, {}), "ok");
  EXPECT_EQ(fiches[1].numero, 0);
  fiches[4] = fiche_3;
  const std::pair<std::size_t, std::uint8_t> defauts[] = {{1, 'X'}, {0, 2}, {0, 4}, {17, 39}, {60, 6}, {20, '['}, {35, ']'}, {12, 0}};
  const std::string refus = "Le fichier s.dat n'est pas une s\xE9" "ance valide : enregistrement n\xB0 ";
  for (const auto& [octet, valeur] : defauts) {
    Octets f = fois(record_3, 3);
    f[72 + octet] = valeur;
    if (octet == 12) f[72 + 13] = 0;  // a free slot in flight
    EXPECT_TRUE(charger(fiches, d, f).starts_with(refus + "2, ")) << octet;
    EXPECT_EQ(fiches[4], fiche_3) << octet;
    EXPECT_EQ(fiches[1].numero, 0) << octet;
  }
  EXPECT_TRUE(charger(fiches, d, fois(record_3, 1000)).starts_with(refus + "1000, "));
  Octets cache = record_3;  // a bracket beyond the stored length is no bracket
  cache[17] = 5, cache[40] = '[';
  EXPECT_EQ(charger(fiches, d, cache), "ok");
  EXPECT_EQ(fiches[1].libelle, "35010");
}

TEST(Seance, AFailedStepReportsAndKeepsTheOldFiles) {
  const struct {
    const char* etape;
    int erreur, rang;
    const char* message;
    bool session_ecrite;
  } cas[] = {{"creer", EACCES, 1, "File access denied", false}, {"creer", EROFS, 1, "File access denied", false},
             {"ecrire", ENOSPC, 1, "Disk full", false},         {"ecrire", EDQUOT, 1, "Disk full", false},
             {"synchroniser", EIO, 1, "I/O error 5", false},    {"fermer", ENOSPC, 1, "Disk full", false},
             {"renommer", EACCES, 1, "File access denied", false}, {"creer", ENOSPC, 2, "Disk full", true}};
  t_fiches fiches;
  fiches[1] = fiche_3;
  for (const auto& c : cas) {
    FauxDisque d;
    d.poser("s.dat", {1, 2, 3});
    d.poser("p.ini", Octets(20, 0xAA));
    d.echec = c.etape, d.erreur = c.erreur, d.rang = c.rang;
    EXPECT_EQ(erreur([&] { save_seance("s.dat", fiches, parametres_par_defaut, "p.ini", d); }), c.message);
    EXPECT_EQ(d.contenu("s.dat"), (c.session_ecrite ? record_3 : Octets{1, 2, 3})) << c.etape;
    EXPECT_EQ(d.contenu("p.ini"), Octets(20, 0xAA)) << c.etape;
    EXPECT_EQ(d.noms(), (std::set<std::string>{"s.dat", "p.ini"})) << "a temporary file left by " << c.etape;
  }
  FauxDisque d;
  d.echec = "lire", d.erreur = EIO;
  t_fiches avant = fiches;
  EXPECT_EQ(charger(fiches, d, record_3), "I/O error 5");
  EXPECT_EQ(fiches[1], avant[1]);
  d.echec.clear();
  EXPECT_EQ(erreur([&] { charger_seance(fiches, "absent.dat", d); }), "File not found");
}

TEST(Parametres, TheFirstTwentyBytesAndTheSameColoursKept) {
  FauxDisque d;
  d.poser("p.ini", {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 9, 9});
  EXPECT_EQ(lire_param("p.ini", d), (t_parametres{0x00FF0000, 0x0000FF00, 0x0000FF00, 0x0000FF00, 0x0000FF00}));
  save_param(parametres_par_defaut, "p.ini", d);
  d.journal.clear();
  save_param(parametres_par_defaut, "p.ini", d);
  EXPECT_EQ(d.journal, std::vector<std::string>{"lire"});
  d.poser("p.ini", Octets(19, 0));
  EXPECT_EQ(erreur([&] { lire_param("p.ini", d); }), "Read beyond end of file");
}

}  // namespace
}  // namespace qx30
