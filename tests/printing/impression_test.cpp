// The printed list of registered entries.
#include <gtest/gtest.h>

#include "printing/imprimante.h"
#include "printing/lignes.h"
#include "printing/liste_enregistres.h"
#include "printing/pas_de_ligne.h"

namespace qx30 {
namespace {

// Pages 3000 high, texts 50 high: a line step of 75.
struct Toile : Canvas {
  std::vector<std::string> appels;  // "x,y text", or "page" for a new page
  int text_height(const std::string&) override { return 50; }
  void draw_text(int x, int y, const std::string& t) override { appels.push_back(std::to_string(x) + "," + std::to_string(y) + " " + t); }
  int page_height() override { return 3000; }
  void new_page() override { appels.push_back("page"); }
};

TEST(Impression, Texts) {
  EXPECT_EQ(en_tete("05/12/2026 14:07", "3 enregistr\xE9(s).", 2),
            "QX30 gestion s\xE9" "ance radiocommande   05/12/2026 14:07   3 enregistr\xE9(s).   page 2");
  EXPECT_EQ(titre(), "Liste des enregistr\xE9s.");
  EXPECT_EQ(legende(), "(fr\xE9quence_pilote_commentaire_ [num\xE9ro] cumul_temps nbre_\xE9volutions)");
  EXPECT_EQ(ligne_imprimee({"L", 0, 42, 35010, true, "35010_ROUGE_planeur", 7, "", 3}),
            "35010_ROUGE_planeur  [7]  cumul: 42  nb.\xE9vol.: 3");
  EXPECT_EQ(ligne_imprimee({"V", 0, 1000, 35010, true, "x", 998, "", 0}), "x  [998]  cumul: 1000  nb.\xE9vol.: 0");
  EXPECT_EQ(question_impression_debut + "HP" + question_impression_fin, "Voulez-vous imprimer la liste de enregistr\xE9s sur l'imprimante : HP ?");
  for (const auto& [t, h] : {std::pair{50, 75}, {51, 77}, {53, 79}, {13, 19}, {11, 17}, {0, 0}}) EXPECT_EQ(pas_de_ligne(t), h) << t;
}

TEST(Impression, PresentEntriesInSlotOrderOverPages) {
  Toile vide;
  imprimer_liste(vide, t_fiches{}, "05/12/2026 14:07", "0");
  EXPECT_EQ(vide.appels, (std::vector<std::string>{"75,75 " + en_tete("05/12/2026 14:07", "0", 1), "75,150 " + titre(),
                                                   "75,225 " + legende(), "75,300 fin de la liste."}));
  t_fiches fiches;
  const char* etats[] = {"L", "A", "V"};
  for (int j = 1; j <= 38; ++j) fiches[j] = {etats[j % 3], 5, j, 35000 + j, true, "e" + std::to_string(j), j, "", 1};
  fiches[5].freq = 0;  // deleted
  fiches[999] = {"L", 0, 0, 35999, true, "x", 0, "", 0};  // no number
  Toile toile;
  imprimer_liste(toile, fiches, "h", "37");
  const auto& a = toile.appels;
  ASSERT_EQ(a.size(), 45u);
  EXPECT_EQ(a[3], "75,300 e1  [1]  cumul: 1  nb.\xE9vol.: 1");
  EXPECT_EQ(a[7], "75,600 e6  [6]  cumul: 6  nb.\xE9vol.: 1");
  EXPECT_EQ(a[38], "75,2925 e37  [37]  cumul: 37  nb.\xE9vol.: 1");  // the break waits until y passes 2850
  EXPECT_EQ(a[39], "page");
  EXPECT_EQ(a[40], "75,50 " + en_tete("h", "37", 2));
  EXPECT_EQ(a[42], "75,200 " + legende());
  EXPECT_EQ(a[43], "75,275 e38  [38]  cumul: 38  nb.\xE9vol.: 1");
  EXPECT_EQ(a[44], "75,350 fin de la liste.");
}

}  // namespace
}  // namespace qx30
