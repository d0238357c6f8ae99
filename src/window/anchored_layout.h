#pragma once
// Controls tied to edges of the window. Each keeps its place in the design
// client area; at every size it is placed afresh from there, so that a size
// too small for a control is not carried into the next one. A negative size
// in the design is kept, not clamped.

#include <QSize>
#include <QWidget>
#include <vector>

namespace qx30 {

enum class Anchor { top_left, top_left_right, top_right, bottom_left, all, top_right_bottom };

class AnchoredLayout {
 public:
  AnchoredLayout(QWidget& window, QSize design) : window_(window), design_(design) {}

  // A control at its design place; one tied to the top left never moves.
  void add(QWidget* widget, Anchor anchor, int left, int top, int width, int height);
  // Every control where its anchors take it at the window's present size.
  void place_all();
  // A new top and height at the present size, kept as a design place.
  void restack(QWidget* widget, int top, int height);

 private:
  struct Anchored {
    QWidget* widget;
    Anchor anchor;
    int left, top, width, height;
  };
  void place(const Anchored& a);

  QWidget& window_;
  QSize design_;
  std::vector<Anchored> anchored_;
};

}  // namespace qx30
