// The session's journal: its lines, written by hand, and the file they go to.

#include "storage/journal.h"

#include <gtest/gtest.h>

#include "outils.h"
#include "storage/io_error.h"

namespace qx30 {
namespace {

using test::DossierTemporaire;
using test::FauxSysteme;
using test::lire_octets;

const t_date_heure moment{2005, 12, 2, 14, 30, 5};

std::string texte(const test::Octets& octets) { return std::string(octets.begin(), octets.end()); }

TEST(Journal, Lines) {
  const struct {
    t_date_heure moment;
    t_evenement evenement;
    std::string ligne;
  } cas[] = {
      {moment, {Evenement::enregistrement, 3, 35010, "35010_Vert_planeur_", ""},
       "02/12/2005;14:30:05;enregistrement;3;35010;35010_Vert_planeur_;\r\n"},
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
  };
  for (const auto& c : cas) EXPECT_EQ(ligne_journal(c.moment, c.evenement), c.ligne);
}

// Appended, never rewritten: a second start within the same second keeps
// what the first wrote, and a line cut short by a full disk stays alone.
TEST(Journal, HeaderOnceAppendedLinesAndAFailedWrite) {
  DossierTemporaire dossier;
  const auto fichier = dossier / "s_journal.csv";
  Journal(fichier).ecrire(moment, evenement_seul(Evenement::demarrage));
  FauxSysteme fs;
  Journal journal(fichier, fs);
  fs.echec = FauxSysteme::Etape::ecrire;  // half of the line goes to the disk
  fs.erreur = ENOSPC;
  try {
    journal.ecrire(moment, evenement_seul(Evenement::raz_compteurs));
    ADD_FAILURE() << "no error";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), code_io::disque_plein);
  }
  fs.echec = FauxSysteme::Etape::aucune;
  journal.ecrire(moment, evenement_seul(Evenement::fermeture, "f"));
  EXPECT_EQ(texte(lire_octets(fichier)), "date;heure;evenement;numero;frequence;libelle;detail\r\n"
                                         "02/12/2005;14:30:05;demarrage;;;;\r\n"
                                         "02/12/2005;14:30:05\r\n"  // the first 19 of its 39 bytes
                                         "02/12/2005;14:30:05;fermeture;;;;f\r\n");
}

}  // namespace
}  // namespace qx30
