#include "printing/liste_enregistres.h"

#include "printing/lignes.h"
#include "printing/pas_de_ligne.h"

namespace qx30 {

namespace {

// Pages after the first start at a fixed distance from the top, whatever the
// line step.
constexpr int haut_des_pages_suivantes = 50;

}  // namespace

void imprimer_liste(Canvas& canvas, const t_fiches& fiches, const std::string& heure,
                    const std::string& compte) {
  const int h = pas_de_ligne(canvas.text_height("X"));
  const int x = h;
  int y = h;
  int page = 1;

  const auto haut_de_page = [&] {
    canvas.draw_text(x, y, en_tete(heure, compte, page));
    y += h;
    canvas.draw_text(x, y, titre());
    y += h;
    canvas.draw_text(x, y, legende());
  };

  // The test looks at the line already drawn, so the last line of a page
  // ends no lower than the page height minus one step.
  const auto ligne_suivante = [&](const std::string& texte) {
    if (y > canvas.page_height() - 2 * h) {
      canvas.new_page();
      y = haut_des_pages_suivantes;
      ++page;
      haut_de_page();
    }
    y += h;
    canvas.draw_text(x, y, texte);
  };

  haut_de_page();
  for (int i = 1; i <= nb_places; ++i)
    if (est_presente(fiches[i])) ligne_suivante(ligne_imprimee(fiches[i]));
  // The closing line takes the same test: at the foot of a full page it
  // would be drawn below the paper, and the list would seem cut short.
  ligne_suivante(fin_de_liste());
}

}  // namespace qx30
