#pragma once
// A label that sizes itself to its caption, 13 pixels high, and reports clicks.

#include <QLabel>

namespace qx30 {

class Caption : public QLabel {
  Q_OBJECT
 public:
  explicit Caption(QWidget* parent = nullptr);
  void set_caption(const QString& text);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qx30
