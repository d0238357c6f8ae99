#include "printing/liste_enregistres.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_canvas.h"

namespace qx30 {
namespace {

using testing::RecordingCanvas;
using Lignes = std::vector<std::string>;

const std::string heure = "05/12/2026 14:07";

std::string en_tete_attendu(const std::string& compte, int page) {
  return "QX30 gestion s\xE9" "ance radiocommande   05/12/2026 14:07   " + compte + "   page " +
         std::to_string(page);
}
const std::string titre_attendu = "Liste des enregistr\xE9s.";
const std::string legende_attendue =
    "(fr\xE9quence_pilote_commentaire_ [num\xE9ro] cumul_temps nbre_\xE9volutions)";

void inscrire(t_fiches& fiches, int place, const std::string& libelle, int cumul = 0, int evolutions = 0,
              const std::string& etat = "L") {
  t_fiche& f = fiches[place];
  f.etat = etat;
  f.freq = 35000 + place;
  f.libelle = libelle;
  f.numero = place;
  f.cumul_temps = cumul;
  f.nbre_evolutions = evolutions;
}

// Slots 1..n each hold "E<n>_" with no minutes and no flight.
t_fiches table_de(int n) {
  t_fiches fiches;
  for (int i = 1; i <= n; ++i) inscrire(fiches, i, "E" + std::to_string(i) + "_");
  return fiches;
}
std::string ligne_de(int place) {
  return "E" + std::to_string(place) + "_  [" + std::to_string(place) + "]  cumul: 0  nb.\xE9vol.: 0";
}

Lignes imprimer(const t_fiches& fiches, int hauteur_texte, int hauteur_page, const std::string& compte) {
  RecordingCanvas canvas(hauteur_texte, hauteur_page);
  imprimer_liste(canvas, fiches, heure, compte);
  EXPECT_EQ(canvas.measured, Lignes{"X"});
  return canvas.calls;
}

TEST(ImprimerListe, EmptyTableGivesTheFrameAndTheClosingLine) {
  const t_fiches vide;
  const std::string compte = "0 enregistr\xE9(s).";
  EXPECT_EQ(imprimer(vide, 50, 3000, compte),
            (Lignes{"75,75 " + en_tete_attendu(compte, 1), "75,150 " + titre_attendu,
                    "75,225 " + legende_attendue, "75,300 fin de la liste."}));
  // Odd text heights: half of 51 is 25.5, to 26; half of 53 is 26.5, to 26.
  EXPECT_EQ(imprimer(vide, 51, 3000, compte),
            (Lignes{"77,77 " + en_tete_attendu(compte, 1), "77,154 " + titre_attendu,
                    "77,231 " + legende_attendue, "77,308 fin de la liste."}));
  EXPECT_EQ(imprimer(vide, 53, 3000, compte),
            (Lignes{"79,79 " + en_tete_attendu(compte, 1), "79,158 " + titre_attendu,
                    "79,237 " + legende_attendue, "79,316 fin de la liste."}));
}

TEST(ImprimerListe, PresentEntriesInSlotOrderWhateverTheirState) {
  t_fiches fiches;
  inscrire(fiches, 1, "72010_B_", 0, 0);
  inscrire(fiches, 2, "35020_deleted_");
  fiches[2].freq = 0;  // deleted: keeps its number, loses its frequency
  inscrire(fiches, 3, "35010_ROUGE_planeur", 42, 3, "V");
  // Slot 4 never used.
  inscrire(fiches, 5, "40665_C_x_", 7, 1, "A");
  inscrire(fiches, 999, "26995_Z_", 1000, 12);
  const std::string compte = "4 enregistr\xE9(s).";
  EXPECT_EQ(imprimer(fiches, 50, 3000, compte),
            (Lignes{
                "75,75 " + en_tete_attendu(compte, 1),
                "75,150 " + titre_attendu,
                "75,225 " + legende_attendue,
                "75,300 72010_B_  [1]  cumul: 0  nb.\xE9vol.: 0",
                "75,375 35010_ROUGE_planeur  [3]  cumul: 42  nb.\xE9vol.: 3",
                "75,450 40665_C_x_  [5]  cumul: 7  nb.\xE9vol.: 1",
                "75,525 26995_Z_  [999]  cumul: 1000  nb.\xE9vol.: 12",
                "75,600 fin de la liste.",
            }));
}

TEST(ImprimerListe, PageBreaksAfterTheLineBelowHeightMinusTwoSteps) {
  // Step 75 on a 3000-high page: 36 entries from 300 to 2925 fit on page one.
  const std::string compte = "37 enregistr\xE9(s).";
  Lignes attendu = {"75,75 " + en_tete_attendu(compte, 1), "75,150 " + titre_attendu,
                    "75,225 " + legende_attendue};
  for (int i = 1; i <= 36; ++i) attendu.push_back("75," + std::to_string(225 + 75 * i) + " " + ligne_de(i));
  ASSERT_EQ(attendu.back(), "75,2925 " + ligne_de(36));

  // With 36 entries the closing line would fall below the paper: it starts
  // page two.
  Lignes page_pleine = attendu;
  page_pleine.insert(page_pleine.end(), {"new page", "75,50 " + en_tete_attendu(compte, 2), "75,125 " + titre_attendu,
                                         "75,200 " + legende_attendue, "75,275 fin de la liste."});
  EXPECT_EQ(imprimer(table_de(36), 50, 3000, compte), page_pleine);

  // The 37th starts page two, which begins at 50 whatever the step.
  attendu.insert(attendu.end(), {"new page", "75,50 " + en_tete_attendu(compte, 2), "75,125 " + titre_attendu,
                                 "75,200 " + legende_attendue, "75,275 " + ligne_de(37),
                                 "75,350 fin de la liste."});
  EXPECT_EQ(imprimer(table_de(37), 50, 3000, compte), attendu);
}

TEST(ImprimerListe, SeveralPagesAreNumberedInTurn) {
  // Step 75 on a 600-high page: a line at 450 still allows one more, 525 does not.
  const std::string compte = "10 enregistr\xE9(s).";
  EXPECT_EQ(imprimer(table_de(10), 50, 600, compte),
            (Lignes{
                "75,75 " + en_tete_attendu(compte, 1), "75,150 " + titre_attendu, "75,225 " + legende_attendue,
                "75,300 " + ligne_de(1), "75,375 " + ligne_de(2), "75,450 " + ligne_de(3),
                "75,525 " + ligne_de(4),
                "new page",
                "75,50 " + en_tete_attendu(compte, 2), "75,125 " + titre_attendu, "75,200 " + legende_attendue,
                "75,275 " + ligne_de(5), "75,350 " + ligne_de(6), "75,425 " + ligne_de(7),
                "75,500 " + ligne_de(8),
                "new page",
                "75,50 " + en_tete_attendu(compte, 3), "75,125 " + titre_attendu, "75,200 " + legende_attendue,
                "75,275 " + ligne_de(9), "75,350 " + ligne_de(10),
                "75,425 fin de la liste.",
            }));
}

TEST(ImprimerListe, OddStepBreaksOnTheExactBoundary) {
  // Text 51 high, step 77, page 1000: a line at 846 or less allows one more;
  // 770 does, 847 does not.
  const std::string compte = "9 enregistr\xE9(s).";
  EXPECT_EQ(imprimer(table_de(9), 51, 1000, compte),
            (Lignes{
                "77,77 " + en_tete_attendu(compte, 1), "77,154 " + titre_attendu, "77,231 " + legende_attendue,
                "77,308 " + ligne_de(1), "77,385 " + ligne_de(2), "77,462 " + ligne_de(3),
                "77,539 " + ligne_de(4), "77,616 " + ligne_de(5), "77,693 " + ligne_de(6),
                "77,770 " + ligne_de(7), "77,847 " + ligne_de(8),
                "new page",
                "77,50 " + en_tete_attendu(compte, 2), "77,127 " + titre_attendu, "77,204 " + legende_attendue,
                "77,281 " + ligne_de(9),
                "77,358 fin de la liste.",
            }));
}

}  // namespace
}  // namespace qx30
