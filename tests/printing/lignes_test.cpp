#include "printing/lignes.h"

#include <gtest/gtest.h>

#include "printing/imprimante.h"
#include "printing/pas_de_ligne.h"

namespace qx30 {
namespace {

TEST(Lignes, PrintedTextsAreExactWindows1252) {
  EXPECT_EQ(en_tete("05/12/2026 14:07", "3 enregistr\xE9(s).", 2),
            "QX30 gestion s\xE9" "ance radiocommande   05/12/2026 14:07   3 enregistr\xE9(s).   page 2");
  EXPECT_EQ(titre(), "Liste des enregistr\xE9s.");
  EXPECT_EQ(legende(), "(fr\xE9quence_pilote_commentaire_ [num\xE9ro] cumul_temps nbre_\xE9volutions)");
  EXPECT_EQ(fin_de_liste(), "fin de la liste.");

  t_fiche fiche;
  fiche.etat = "L";
  fiche.freq = 35010;
  fiche.libelle = "35010_ROUGE_planeur";
  fiche.numero = 7;
  fiche.cumul_temps = 42;
  fiche.nbre_evolutions = 3;
  EXPECT_EQ(ligne_imprimee(fiche), "35010_ROUGE_planeur  [7]  cumul: 42  nb.\xE9vol.: 3");
  // Plain decimal, unlike the window's zero-padded counters.
  fiche.numero = 998;
  fiche.cumul_temps = 1000;
  fiche.nbre_evolutions = 0;
  EXPECT_EQ(ligne_imprimee(fiche), "35010_ROUGE_planeur  [998]  cumul: 1000  nb.\xE9vol.: 0");
}

TEST(Lignes, WindowTextsAroundTheJob) {
  EXPECT_EQ(question_impression("HP LaserJet"),
            "Voulez-vous imprimer la liste de enregistr\xE9s sur l'imprimante : HP LaserJet ?");
  EXPECT_EQ(pas_d_imprimante_par_defaut, "There is no default printer currently selected");
}

TEST(PasDeLigne, HalfOfTheHeightRoundsHalvesToEven) {
  EXPECT_EQ(pas_de_ligne(50), 75);
  EXPECT_EQ(pas_de_ligne(51), 77);
  EXPECT_EQ(pas_de_ligne(53), 79);
  EXPECT_EQ(pas_de_ligne(13), 19);
  EXPECT_EQ(pas_de_ligne(15), 23);
  EXPECT_EQ(pas_de_ligne(11), 17);
  EXPECT_EQ(pas_de_ligne(1), 1);
  EXPECT_EQ(pas_de_ligne(0), 0);
}

}  // namespace
}  // namespace qx30
