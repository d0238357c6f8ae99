#pragma once
// The pilots' board: a second top-level window that shows what the desk
// gives it, in type read from a few metres: the clock, the models in flight
// and waiting, and one tile per frequency. Nothing on it takes the focus or
// changes the session; F11 or a double-click puts it full screen, Escape
// brings it back.

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "board/tableau.h"

class QScreen;

namespace qx30 {

// The desk's colours of the lists in flight, waiting and forbidden.
struct CouleursTableau {
  QColor en_vol, attente, interdite;
  bool operator==(const CouleursTableau&) const = default;
};

class Panneau;

class TableauPilotes : public QWidget {
  Q_OBJECT
 public:
  TableauPilotes();

  // Shows this content; what did not change is not drawn again.
  void montrer(const t_tableau& tableau, const CouleursTableau& couleurs);
  // Full screen on a screen other than the desk's when there is one, else a
  // window beside the desk.
  void ouvrir(QScreen* ecran_du_bureau);
  void basculer_plein_ecran();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Every part placed at the window's size, the main text 1/25 of its height.
  void disposer();
  // As many panels in `liste` as `n`, named `nom` for a screen reader's
  // tools and the tests; true when the number changed.
  bool ajuster(std::vector<Panneau*>& liste, std::size_t n, const char* nom);

  t_tableau contenu_;
  CouleursTableau couleurs_;
  QLabel* horloge_;
  QLabel* titre_vol_;
  QLabel* titre_attente_;
  QLabel* titre_carte_;
  QLabel* maxi_;
  std::vector<Panneau*> vols_, attentes_, canaux_;
};

}  // namespace qx30
