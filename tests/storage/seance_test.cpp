#include "storage/seance.h"

#include <gtest/gtest.h>

#include <ctime>

#include "outils.h"
#include "register/str_to_int.h"
#include "storage/io_error.h"

namespace qx30 {
namespace {

using namespace test;

// Slot 3: in flight since 14:05.
const Octets record_3 = {
    0x01, 'V', 0x00, 0x00,   // etat
    0x0C, 0x00, 0x00, 0x00,  // temps_vol 12
    0x28, 0x00, 0x00, 0x00,  // cumul_temps 40
    0xC2, 0x88, 0x00, 0x00,  // freq 35010
    0x01,                    // autorise
    18, '3', '5', '0', '1', '0', '_', 'R', 'O', 'U', 'G', 'E', '_', 'E', 'x', 't', 'r', 'a', '_',
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0x03, 0x00, 0x00, 0x00,          // numero 3
    0x05, '1', '4', ':', '0', '5',   // heure_debut
    0x00, 0x00,                      // padding
    0x02, 0x00, 0x00, 0x00,          // nbre_evolutions 2
};

// Slot 7: registered, on the ground.
const Octets record_7 = {
    0x01, 'L', 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00,
    0x05, 0x00, 0x00, 0x00,  // cumul_temps 5
    0xC2, 0x19, 0x01, 0x00,  // freq 72130
    0x00,
    10, '7', '2', '1', '3', '0', '_', 'X', '_', '.', '_',
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0x07, 0x00, 0x00, 0x00,  // numero 7
    0x00, 0, 0, 0, 0, 0,
    0x00, 0x00,
    0x01, 0x00, 0x00, 0x00,  // nbre_evolutions 1
};

t_fiche fiche_3() {
  return {"V", 12, 40, 35010, true, "35010_ROUGE_Extra_", 3, "14:05", 2};
}
t_fiche fiche_7() { return {"L", 0, 5, 72130, false, "72130_X_._", 7, "", 1}; }

Octets concat(std::initializer_list<Octets> morceaux) {
  Octets tout;
  for (const auto& m : morceaux) tout.insert(tout.end(), m.begin(), m.end());
  return tout;
}

// Every slot, so that a test can tell that a failed load changed nothing.
std::vector<t_fiche> copie(const t_fiches& fiches) {
  std::vector<t_fiche> c;
  for (int j = 1; j <= nb_places; ++j) c.push_back(fiches[j]);
  return c;
}

TEST(Seance, NameIsMadeFromTheDateAndTime) {
  const t_date_heure moment{2005, 12, 2, 14, 30, 5};
  EXPECT_EQ(texte_date_heure(moment), "02/12/2005 14:30:05");
  EXPECT_EQ(nom_seance(moment), "20051202_143005");
  EXPECT_EQ(nom_seance({2005, 12, 3, 0, 0, 0}), "20051203_000000");
  EXPECT_EQ(texte_date_heure({2005, 12, 3, 0, 0, 0}), "03/12/2005 00:00:00");

  std::tm tm{};
  tm.tm_year = 105, tm.tm_mon = 11, tm.tm_mday = 2, tm.tm_hour = 14, tm.tm_min = 30, tm.tm_sec = 5;
  EXPECT_EQ(nom_seance(depuis_tm(tm)), "20051202_143005");
}

TEST(Seance, SlotsWithANumberAreWrittenInSlotOrderAndLoadRenumbered) {
  DossierTemporaire dossier;
  t_fiches fiches;
  fiches[7] = fiche_7();
  fiches[3] = fiche_3();
  save_seance(dossier / "s_seance_man.dat", fiches, parametres_par_defaut, dossier / "parametres.ini");
  EXPECT_EQ(lire_octets(dossier / "s_seance_man.dat"), concat({record_3, record_7}));
  EXPECT_EQ(lire_octets(dossier / "parametres.ini").size(), 20u);

  t_fiches chargees;
  chargees[5] = fiche_3();  // whatever the table held is replaced
  charger_seance(chargees, dossier / "s_seance_man.dat");
  t_fiche attendue_1 = fiche_3(), attendue_2 = fiche_7();
  attendue_1.numero = 1;
  attendue_2.numero = 2;
  EXPECT_EQ(chargees[1], attendue_1);  // still in flight, start time and counters as saved
  EXPECT_EQ(chargees[2], attendue_2);
  for (int j = 3; j <= nb_places; ++j) EXPECT_EQ(chargees[j].numero, 0) << j;
}

TEST(Seance, EmptyTableAndEmptyFile) {
  DossierTemporaire dossier;
  t_fiches fiches;
  fiches[4].freq = 35010;  // no number: never written
  save_seance(dossier / "vide.dat", fiches, parametres_par_defaut, dossier / "parametres.ini");
  EXPECT_TRUE(fs::exists(dossier / "vide.dat"));
  EXPECT_EQ(fs::file_size(dossier / "vide.dat"), 0u);

  fiches[1] = fiche_3();
  charger_seance(fiches, dossier / "vide.dat");
  for (int j = 1; j <= nb_places; ++j) EXPECT_FALSE(est_presente(fiches[j])) << j;
}

TEST(Seance, TrailingBytesShortOfARecordAreIgnored) {
  DossierTemporaire dossier;
  ecrire_octets(dossier / "s.dat", concat({record_3, record_7, {1, 2, 3, 4, 5, 6}}));
  const auto lues = lire_seance(dossier / "s.dat");
  ASSERT_EQ(lues.size(), 2u);
  EXPECT_EQ(lues[1].libelle, "72130_X_._");
  EXPECT_EQ(lues[1].numero, 2);
}

TEST(Seance, DeletedEntryIsWrittenAndComesBackFree) {
  DossierTemporaire dossier;
  t_fiches fiches;
  fiches[1] = fiche_7();
  fiches[1].numero = 1;
  fiches[2] = {"L", 0, 0, 0, false, "", 2, "", 0};  // deleted, slot not reused
  fiches[3] = fiche_3();
  save_seance(dossier / "s.dat", fiches, parametres_par_defaut, dossier / "parametres.ini");

  const Octets supprimee = {1, 'L', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Octets record_1 = record_7;
  record_1[56] = 1;
  EXPECT_EQ(lire_octets(dossier / "s.dat"), concat({record_1, supprimee, record_3}));

  t_fiches chargees;
  charger_seance(chargees, dossier / "s.dat");
  EXPECT_EQ(chargees[2].numero, 2);
  EXPECT_FALSE(est_presente(chargees[2]));
  EXPECT_TRUE(est_presente(chargees[3]));
  EXPECT_EQ(place_libre(chargees), 2);
}

TEST(Seance, FaultyFileIsRefusedWithoutTouchingTheTable) {
  DossierTemporaire dossier;
  t_fiches fiches;
  fiches[2] = fiche_7();
  fiches[9] = fiche_3();
  const auto avant = copie(fiches);

  struct Cas {
    const char* quoi;
    std::size_t octet;
    std::uint8_t valeur;
  };
  const Cas cas[] = {
      {"state X", 1, 'X'},
      {"state of two letters", 0, 2},
      {"state length beyond its field", 0, 4},
      {"libelle length 39", 17, 39},
      {"heure_debut length 6", 60, 6},
      {"[ in libelle", 20, '['},
      {"] in libelle", 35, ']'},
      {"in flight on a free slot", 12, 0},
  };
  for (const Cas& c : cas) {
    Octets second = record_3;
    second[c.octet] = c.valeur;
    if (c.octet == 12) second[13] = 0;
    ecrire_octets(dossier / "abime.dat", concat({record_7, second, record_7}));
    try {
      charger_seance(fiches, dossier / "abime.dat");
      ADD_FAILURE() << c.quoi << " was accepted";
    } catch (const SeanceInvalide& e) {
      EXPECT_EQ(e.enregistrement(), 2) << c.quoi;
      const std::string message = e.what();
      EXPECT_NE(message.find("abime.dat"), std::string::npos) << message;
      EXPECT_NE(message.find("enregistrement n\xB0 2,"), std::string::npos) << message;
    }
    EXPECT_EQ(copie(fiches), avant) << c.quoi;
  }

  // A bracket beyond the stored length is not part of the text.
  Octets reste = record_3;
  reste[17] = 5;
  reste[40] = '[';
  ecrire_octets(dossier / "reste.dat", reste);
  EXPECT_EQ(lire_seance(dossier / "reste.dat").at(0).libelle, "35010");

  // One record more than the table holds.
  Octets trop;
  for (int k = 0; k < 1000; ++k) trop.insert(trop.end(), record_7.begin(), record_7.end());
  ecrire_octets(dossier / "trop.dat", trop);
  try {
    charger_seance(fiches, dossier / "trop.dat");
    ADD_FAILURE() << "1000 records accepted";
  } catch (const SeanceInvalide& e) {
    EXPECT_EQ(e.enregistrement(), 1000);
  }
  trop.resize(999 * 72);
  ecrire_octets(dossier / "plein.dat", trop);
  EXPECT_EQ(lire_seance(dossier / "plein.dat").size(), 999u);
  EXPECT_EQ(copie(fiches), avant);
}

TEST(Seance, ReadFailuresLeaveTheTableAsItWas) {
  DossierTemporaire dossier;
  t_fiches fiches;
  fiches[1] = fiche_7();
  const auto avant = copie(fiches);
  ecrire_octets(dossier / "s.dat", concat({record_3, record_7}));

  try {
    charger_seance(fiches, dossier / "absent.dat");
    ADD_FAILURE();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  FauxSysteme faux;
  faux.echec = FauxSysteme::Etape::lire;
  faux.erreur = EIO;
  try {
    charger_seance(fiches, dossier / "s.dat", faux);
    ADD_FAILURE();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "I/O error 5");
  }
  // Record files are opened read-write, so a read-only one is refused.
  if (!super_utilisateur()) {
    fs::permissions(dossier / "s.dat", fs::perms::owner_read);
    try {
      charger_seance(fiches, dossier / "s.dat");
      ADD_FAILURE();
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), "File access denied");
    }
  }
  EXPECT_EQ(copie(fiches), avant);
}

TEST(Seance, FailedSaveLeavesTheOldFileWhole) {
  using E = FauxSysteme::Etape;
  DossierTemporaire dossier;
  const fs::path cible = dossier / "s_seance_aut.dat";
  const fs::path param = dossier / "parametres.ini";
  const Octets ancien = concat({record_3, record_7});
  ecrire_octets(cible, ancien);
  ecrire_octets(param, Octets(20, 0xAA));

  t_fiches fiches;
  for (int j = 1; j <= 998; ++j) fiches[j] = fiche_7();

  struct Cas {
    E etape;
    int erreur;
    const char* message;
  };
  const Cas cas[] = {
      {E::creer, EACCES, "File access denied"},   // read-only folder
      {E::creer, EROFS, "File access denied"},
      {E::ecrire, ENOSPC, "Disk full"},
      {E::ecrire, EDQUOT, "Disk full"},
      {E::synchroniser, EIO, "I/O error 5"},
      {E::fermer, ENOSPC, "Disk full"},
      {E::renommer, EACCES, "File access denied"},
  };
  for (const Cas& c : cas) {
    FauxSysteme faux;
    faux.echec = c.etape;
    faux.erreur = c.erreur;
    try {
      save_seance(cible, fiches, parametres_par_defaut, param, faux);
      ADD_FAILURE() << c.message;
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(lire_octets(cible), ancien) << c.message;
    EXPECT_EQ(lire_octets(param), Octets(20, 0xAA)) << "colours written after a failed save";
    EXPECT_EQ(dossier.contenu(), (std::set<std::string>{"s_seance_aut.dat", "parametres.ini"}))
        << "temporary file left by " << c.message;
  }

  save_seance(cible, fiches, parametres_par_defaut, param);
  EXPECT_EQ(fs::file_size(cible), 998u * 72u);
  EXPECT_EQ(dossier.contenu(), (std::set<std::string>{"s_seance_aut.dat", "parametres.ini"}));
}

TEST(Seance, ReadOnlyFolderOrFileRefusesTheSave) {
  if (super_utilisateur()) GTEST_SKIP() << "permissions do not bind root; the fake file system covers this";
  DossierTemporaire dossier;
  const fs::path cible = dossier / "s.dat";
  ecrire_octets(cible, record_3);
  t_fiches fiches;

  fs::permissions(cible, fs::perms::owner_read);
  EXPECT_THROW(save_seance(cible, fiches, parametres_par_defaut, dossier / "p.ini"), InOutError);
  EXPECT_EQ(lire_octets(cible), record_3);

  fs::permissions(cible, fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dossier.chemin(), fs::perms::owner_read | fs::perms::owner_exec);
  try {
    save_seance(cible, fiches, parametres_par_defaut, dossier / "p.ini");
    ADD_FAILURE();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "File access denied");
  }
  fs::permissions(dossier.chemin(), fs::perms::owner_all);
  EXPECT_EQ(lire_octets(cible), record_3);
  EXPECT_EQ(dossier.contenu(), std::set<std::string>{"s.dat"});
}

}  // namespace
}  // namespace qx30
