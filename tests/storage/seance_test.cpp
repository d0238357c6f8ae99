// Session files and the colours file, over the fake disk.
#include "storage/seance.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "storage/io_error.h"
#include "storage/journal.h"
#include "support/fake_disk.h"

// Windows has no quota errno; ENOSPC stands in for it there.
#ifndef EDQUOT
#define EDQUOT ENOSPC
#endif

namespace qx30 {
namespace {

using testing::Bytes;
using testing::FakeDisk;
using testing::thrown;

// In flight since 14:05, by hand.
const Bytes record_3 = {1, 'V', 0, 0, 12, 0, 0, 0, 40, 0, 0, 0, 0xC2, 0x88, 0, 0, 1, 18, '3', '5', '0', '1',
                         '0', '_', 'R', 'O', 'U', 'G', 'E', '_', 'E', 'x', 't', 'r', 'a', '_', 0, 0, 0, 0, 0, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 5, '1', '4', ':', '0', '5', 0, 0,
                         2, 0, 0, 0};
const t_fiche fiche_3{"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 3, "14:05", 2};
// The layout's colours.
const Bytes couleurs = {0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
                         0xFF, 0x00, 0xA6, 0xCA, 0xF0, 0x00, 0x18, 0x00, 0x00, 0x80};

Bytes fois(const Bytes& r, int n) {
  Bytes o;
  for (int k = 0; k < n; ++k) o.insert(o.end(), r.begin(), r.end());
  return o;
}

std::string charger(t_fiches& fiches, FakeDisk& d, const Bytes& fichier) {
  d.put("s.dat", fichier);
  return thrown([&] { charger_seance(fiches, "s.dat", d); });
}

TEST(Seance, SavesNumberedSlotsUpTo999AndLoadsThemRenumbered) {
  t_fiches fiches;
  fiches[3] = fiche_3;
  fiches[5] = {"L", 0, 0, 0, false, "", 5, "", 0};  // deleted, not reused: written
  fiches[6].freq = 35010;                           // no number: never written
  fiches[999] = fiche_3, fiches[999].numero = 999;
  FakeDisk d;
  EXPECT_EQ(nom_seance({2005, 12, 3, 0, 0, 0}), "20051203_000000");
  save_seance("s.dat", fiches, parametres_par_defaut, "p.ini", d);
  Bytes attendu = fois(record_3, 3);
  std::fill(attendu.begin() + 72, attendu.begin() + 144, 0);
  attendu[72] = 1, attendu[73] = 'L', attendu[72 + 56] = 5, attendu[144 + 56] = 0xE7, attendu[144 + 57] = 0x03;
  EXPECT_EQ(d.content("s.dat"), attendu);
  EXPECT_EQ(d.content("p.ini"), couleurs);

  // Loaded renumbered (the fuzz target checks the numbers of any file).
  t_fiches chargees;
  EXPECT_EQ(charger(chargees, d, attendu), "ok");
  EXPECT_EQ(chargees[1], (t_fiche{"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 1, "14:05", 2}));
  EXPECT_FALSE(est_presente(chargees[2]));

  // A full table: 999 records, loaded whole.
  for (int j = 1; j <= 999; ++j) fiches[j] = fiche_3, fiches[j].numero = j;
  save_seance("s.dat", fiches, parametres_par_defaut, "p.ini", d);
  EXPECT_EQ(charger(chargees, d, *d.content("s.dat")), "ok");
  EXPECT_EQ(chargees[999], fiches[999]);
}

TEST(Seance, ShortTailIgnoredAndFaultyFilesRefusedWithTheTableUntouched) {
  t_fiches fiches;
  FakeDisk d;
  Bytes avec_reste = fois(record_3, 2);
  avec_reste.resize(150, 7);
  d.failing_step = "lire_ecriture", d.error = EACCES;  // a write-protected medium: a session still loads
  EXPECT_EQ(charger(fiches, d, avec_reste), "ok");
  EXPECT_EQ(charger(fiches, d, {}), "ok");
  fiches[4] = fiche_3;
  // Bytes changed in the second record: a state, text lengths beyond their
  // fields, brackets, and a free slot (frequency 0) in flight or waiting.
  const std::vector<std::pair<std::size_t, std::uint8_t>> defauts[] = {
      {{1, 'X'}}, {{0, 2}}, {{0, 4}}, {{17, 39}}, {{60, 6}}, {{20, '['}}, {{35, ']'}},
      {{12, 0}, {13, 0}}, {{1, 'A'}, {12, 0}, {13, 0}}};
  const std::string refus = "Le fichier s.dat n'est pas une s\xE9" "ance valide : enregistrement n\xB0 ";
  for (const auto& defaut : defauts) {
    Bytes f = fois(record_3, 3);
    for (const auto& [octet, valeur] : defaut) f[72 + octet] = valeur;
    EXPECT_TRUE(charger(fiches, d, f).starts_with(refus + "2, ")) << defaut[0].first;
    EXPECT_EQ(fiches[4], fiche_3) << defaut[0].first;
  }
  EXPECT_TRUE(charger(fiches, d, fois(record_3, 1000)).starts_with(refus + "1000, "));
  Bytes cache = record_3;  // a bracket beyond the stored length is no bracket
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
             {"renommer", EACCES, 1, "File access denied", false}, {"creer", ENOSPC, 2, "Disk full", true},
             {"creer", EMFILE, 1, "Too many open files", false}, {"creer", ENAMETOOLONG, 1, "Invalid filename", false}};
  t_fiches fiches;
  fiches[1] = fiche_3;
  for (const auto& c : cas) {
    FakeDisk d;
    d.put("s.dat", {1, 2, 3});
    d.put("p.ini", Bytes(20, 0xAA));
    d.failing_step = c.etape, d.error = c.erreur, d.from_call = c.rang;
    EXPECT_EQ(thrown([&] { save_seance("s.dat", fiches, parametres_par_defaut, "p.ini", d); }), c.message);
    EXPECT_EQ(d.content("s.dat"), (c.session_ecrite ? record_3 : Bytes{1, 2, 3})) << c.etape;
    EXPECT_EQ(d.content("p.ini"), Bytes(20, 0xAA)) << c.etape;
    EXPECT_EQ(d.names(), (std::set<std::string>{"s.dat", "p.ini"})) << "a temporary file left by " << c.etape;
    EXPECT_TRUE(d.open.empty()) << "a file left open by " << c.etape;
  }
  FakeDisk d;
  d.failing_step = "lire", d.error = EIO;
  EXPECT_EQ(charger(fiches, d, record_3), "I/O error 5");
  EXPECT_EQ(fiches[1], fiche_3);
  d.failing_step.clear();
  EXPECT_EQ(thrown([&] { charger_seance(fiches, "absent.dat", d); }), "File not found");
}

TEST(Parametres, TheFirstTwentyBytesAndTheSameColoursKept) {
  FakeDisk d;
  d.put("p.ini", {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 9, 9});
  EXPECT_EQ(lire_param("p.ini", d), (t_parametres{0x00FF0000, 0x0000FF00, 0x0000FF00, 0x0000FF00, 0x0000FF00}));
  save_param(parametres_par_defaut, "p.ini", d);
  d.steps.clear();
  save_param(parametres_par_defaut, "p.ini", d);
  EXPECT_EQ(d.steps, std::vector<std::string>{"lire_ecriture"});
  Bytes plus_long = couleurs;  // the same colours, and a byte more: not the same file
  plus_long.push_back(9);
  d.put("p.ini", plus_long);
  save_param(parametres_par_defaut, "p.ini", d);
  EXPECT_EQ(d.content("p.ini"), couleurs);
  d.put("p.ini", Bytes(19, 0));
  EXPECT_EQ(thrown([&] { lire_param("p.ini", d); }), "Read beyond end of file");
}

// The session's journal: its lines, written by hand, and the file they go to.
const t_date_heure moment{2005, 12, 2, 14, 30, 5};

TEST(Journal, Lines) {
  const struct { t_date_heure moment; t_evenement evenement; std::string ligne; } cas[] = {
      // No entry: numero, frequence and libelle stay empty.
      {{2005, 12, 3, 0, 0, 0}, {Evenement::demarrage, 0, 35010, "ignored", "20051203_000000_seance_aut.dat"},
       "03/12/2005;00:00:00;demarrage;;;;20051203_000000_seance_aut.dat\r\n"},
      // Windows-1252 becomes UTF-8: é, and the euro sign at 0x80.
      {moment, {Evenement::refus, 12, 41010, "41010_L\xE9o_\x80_", "41010 interdite : -(d\xE9j\xE0_active_41000 )"},
       "02/12/2005;14:30:05;refus;12;41010;41010_L\xC3\xA9o_\xE2\x82\xAC_;"
       "41010 interdite : -(d\xC3\xA9j\xC3\xA0_active_41000 )\r\n"},
      // A separator or a quote puts the field between quotes, its quotes doubled.
      {moment, {Evenement::fin_evolution, 7, 72130, "72130_Dupont; \"Jo\"_x_", "a\"b"},
       "02/12/2005;14:30:05;fin_evolution;7;72130;\"72130_Dupont; \"\"Jo\"\"_x_\";\"a\"\"b\"\r\n"},
      // So does a line break, which would otherwise start a new line.
      {moment, {Evenement::attente, 8, 72130, "72130_a\nb_", "c\rd"},
       "02/12/2005;14:30:05;attente;8;72130;\"72130_a\nb_\";\"c\rd\"\r\n"},
  };
  for (const auto& c : cas) EXPECT_EQ(ligne_journal(c.moment, c.evenement), c.ligne);
  const char* const noms[] = {"demarrage", "enregistrement", "suppression", "raz_compteurs", "autorisation", "refus",
                              "attente", "retrait_attente", "fin_evolution", "depassement", "conflit_actifs",
                              "chargement", "sauvegarde_manuelle", "fermeture", "reprise", "reprise_refusee"};
  for (int e = 0; e < 16; ++e) EXPECT_EQ(nom_evenement(Evenement(e)), noms[e]);
}

// On the disk as soon as it is written, appended, never rewritten: a second
// start within the same second keeps what the first wrote, and a line cut
// short by a full disk stays alone.
TEST(Journal, EachLineOnTheDiskAppendedAndAFailedWrite) {
  testing::FakeDisk disque;
  const std::filesystem::path fichier = "s_journal.csv";
  const auto texte = [&] {
    const Bytes o = disque.content(fichier).value_or(Bytes{});
    return std::string(o.begin(), o.end());
  };
  const std::string debut = "date;heure;evenement;numero;frequence;libelle;detail\r\n"
                            "02/12/2005;14:30:05;demarrage;;;;\r\n";
  Journal(fichier, disque).ecrire(moment, evenement_seul(Evenement::demarrage));
  disque.restart();  // the power goes as soon as the line is written
  ASSERT_EQ(texte(), debut);
  Journal journal(fichier, disque);
  disque.failing_step = "ecrire";  // half of the line goes to the disk
  disque.error = ENOSPC;
  EXPECT_EQ(thrown([&] { journal.ecrire(moment, evenement_seul(Evenement::raz_compteurs)); }), "Disk full");
  disque.failing_step.clear();
  journal.ecrire(moment, evenement_seul(Evenement::fermeture, "f"));
  EXPECT_TRUE(disque.open.empty());
  EXPECT_EQ(texte(), debut + "02/12/2005;14:30:05\r\n"  // the first 19 of its 39 bytes
                             "02/12/2005;14:30:05;fermeture;;;;f\r\n");
}

// The automatic save rewrites the session file at every refresh, and the
// machine can stop at any moment of it. Stopped at any step of a save and
// started again, the disk holds each file whole, the old one or the new one;
// once the save has returned, the new one. Every step is tried in turn, so
// the run is the same every time.
TEST(SauvegardeInterrompue, EveryStepLeavesAWholeVersion) {
  t_fiches nouvelle;
  for (int j = 1; j <= 3; ++j) nouvelle[j] = fiche_3;  // record_3 three times, numero 3 included
  const Bytes anciennes_couleurs(20, 0xAA);
  // Step 1, 2, ... until a save runs to its end, and then the machine stops.
  for (int panne = 1, finie = 0; !finie; ++panne) {
    testing::FakeDisk d;
    d.put("s_seance_aut.dat", fois(record_3, 2));
    d.put("parametres.ini", anciennes_couleurs);
    d.crash_at = panne;
    try {
      save_seance("s_seance_aut.dat", nouvelle, parametres_par_defaut, "parametres.ini", d);
      finie = panne;
    } catch (const testing::Crash&) {
    }
    d.restart();
    const auto s = d.content("s_seance_aut.dat");
    const auto p = d.content("parametres.ini");
    EXPECT_TRUE(s == fois(record_3, 2) || s == fois(record_3, 3)) << "stopped at step " << panne;
    EXPECT_TRUE(p == anciennes_couleurs || p == couleurs) << "stopped at step " << panne;
    if (finie) {
      EXPECT_EQ(s, fois(record_3, 3)) << "a save that returned is on the disk";
      EXPECT_EQ(p, couleurs);
    }
    // What a stopped save leaves is hidden and never named like a session.
    for (const std::string& nom : d.names())
      EXPECT_TRUE(nom == "s_seance_aut.dat" || nom == "parametres.ini" || (nom.starts_with(".") && nom.ends_with(".tmp")))
          << nom;
  }
}

}  // namespace
}  // namespace qx30
