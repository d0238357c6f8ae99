#include "storage/parametres.h"

#include <gtest/gtest.h>

#include "outils.h"
#include "storage/io_error.h"

namespace qx30 {
namespace {

using namespace test;

const Octets par_defaut = {0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
                           0xFF, 0x00, 0xA6, 0xCA, 0xF0, 0x00, 0x18, 0x00, 0x00, 0x80};

std::string erreur_de_lecture(const fs::path& fichier) {
  try {
    lire_param(fichier);
  } catch (const InOutError& e) {
    return e.what();
  }
  return "no error";
}

TEST(Parametres, DefaultColoursAreTwentyBytes) {
  DossierTemporaire dossier;
  save_param(parametres_par_defaut, dossier / "parametres.ini");
  EXPECT_EQ(lire_octets(dossier / "parametres.ini"), par_defaut);
  EXPECT_EQ(lire_param(dossier / "parametres.ini"), parametres_par_defaut);
  EXPECT_EQ(parametres_par_defaut.couleur_fond, 0x80000018u);  // a system colour kept as is
}

TEST(Parametres, OnlyTheFirstTwentyBytesAreRead) {
  DossierTemporaire dossier;
  const Octets octets = {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00,
                         0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 1,    2,    3,    4,    5};
  ecrire_octets(dossier / "parametres.ini", octets);
  EXPECT_EQ(lire_param(dossier / "parametres.ini"),
            (t_parametres{0x00FF0000, 0x0000FF00, 0x0000FF00, 0x0000FF00, 0x0000FF00}));
}

TEST(Parametres, MissingShortOrReadOnlyFile) {
  DossierTemporaire dossier;
  EXPECT_EQ(erreur_de_lecture(dossier / "parametres.ini"), "File not found");
  ecrire_octets(dossier / "parametres.ini", Octets(par_defaut.begin(), par_defaut.end() - 1));
  EXPECT_EQ(erreur_de_lecture(dossier / "parametres.ini"), "Read beyond end of file");
  ecrire_octets(dossier / "parametres.ini", {});
  EXPECT_EQ(erreur_de_lecture(dossier / "parametres.ini"), "Read beyond end of file");
  if (!super_utilisateur()) {
    ecrire_octets(dossier / "parametres.ini", par_defaut);
    fs::permissions(dossier / "parametres.ini", fs::perms::owner_read);
    EXPECT_EQ(erreur_de_lecture(dossier / "parametres.ini"), "File access denied");
    try {
      save_param(parametres_par_defaut, dossier / "parametres.ini");
      ADD_FAILURE();
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), "File access denied");
    }
  }
}

TEST(Parametres, FullDiskKeepsTheOldColours) {
  DossierTemporaire dossier;
  ecrire_octets(dossier / "parametres.ini", par_defaut);
  FauxSysteme faux;
  faux.echec = FauxSysteme::Etape::ecrire;
  faux.erreur = ENOSPC;
  try {
    save_param({1, 2, 3, 4, 5}, dossier / "parametres.ini", faux);
    ADD_FAILURE();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "Disk full");
    EXPECT_EQ(e.code(), 101);
  }
  EXPECT_EQ(lire_octets(dossier / "parametres.ini"), par_defaut);
  EXPECT_EQ(dossier.contenu(), std::set<std::string>{"parametres.ini"});

  // The same colours again: the file already says so and is not rewritten.
  faux.echec = FauxSysteme::Etape::creer;
  faux.erreur = EACCES;
  save_param(parametres_par_defaut, dossier / "parametres.ini", faux);
  // A longer file is rewritten to its 20 bytes.
  faux.echec = FauxSysteme::Etape::aucune;
  Octets plus_long = par_defaut;
  plus_long.push_back(0);
  ecrire_octets(dossier / "parametres.ini", plus_long);
  save_param(parametres_par_defaut, dossier / "parametres.ini", faux);
  EXPECT_EQ(lire_octets(dossier / "parametres.ini"), par_defaut);
}

}  // namespace
}  // namespace qx30
