#include "window/widgets/caption.h"

#include <QMouseEvent>

namespace qx30 {

Caption::Caption(QWidget* parent) : QLabel(parent) {}

void Caption::set_caption(const QString& text) {
  setText(text);
  resize(sizeHint().width(), 13);
}

void Caption::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace qx30
