#include "window/anchored_layout.h"

#include <algorithm>

namespace qx30 {

void AnchoredLayout::add(QWidget* widget, Anchor anchor, int left, int top, int width, int height) {
  if (anchor != Anchor::top_left) anchored_.push_back({widget, anchor, left, top, width, height});
}

void AnchoredLayout::place_all() {
  for (const Anchored& a : anchored_) place(a);
}

void AnchoredLayout::restack(QWidget* widget, int top, int height) {
  auto a = std::find_if(anchored_.begin(), anchored_.end(), [&](const Anchored& x) { return x.widget == widget; });
  if (a == anchored_.end()) return;
  a->top = top;
  a->height = height - (a->anchor == Anchor::all ? window_.height() - design_.height() : 0);
  place(*a);
}

void AnchoredLayout::place(const Anchored& a) {
  const int dx = window_.width() - design_.width();
  const int dy = window_.height() - design_.height();
  int left = a.left, top = a.top, w = a.width, h = a.height;
  bool sized = true;
  switch (a.anchor) {
    case Anchor::top_left: sized = false; break;
    case Anchor::top_left_right: w += dx; break;
    case Anchor::top_right: left += dx; sized = false; break;
    case Anchor::bottom_left: top += dy; sized = false; break;
    case Anchor::all: w += dx; h += dy; break;
    case Anchor::top_right_bottom: left += dx; h += dy; break;
  }
  // Labels size themselves to their captions: only their place follows.
  if (sized) a.widget->setGeometry(left, top, std::max(0, w), std::max(0, h));
  else a.widget->move(left, top);
}

}  // namespace qx30
