#pragma once
// The system's default printer through Qt's print support.

#include <QFontMetrics>
#include <QPainter>

#include "window/platform/printer.h"

namespace qx30 {

class QtPrinter : public Printer {
 public:
  QtPrinter() = default;
  // Prints into this PDF file instead of on the default printer, through the
  // same job, font and page layout.
  explicit QtPrinter(QString pdf_file) : pdf_file_(std::move(pdf_file)) {}

  std::optional<QString> default_printer() override;
  void print(const std::function<void(Canvas&)>& layout) override;

 private:
  QString pdf_file_;
};

// The page layout's canvas over an active painter, in the device's pixels
// from the top left of its printable area, with the painter's font. New
// pages come from a printer; any other device has one page only.
class PainterCanvas : public Canvas {
 public:
  PainterCanvas(QPainter& painter, QPaintDevice& device);

  int text_height(const std::string& text) override;
  void draw_text(int x, int y, const std::string& text) override;
  int page_height() override;
  void new_page() override;

 private:
  QPainter& painter_;
  QPaintDevice& device_;
  QFontMetrics metrics_;
};

}  // namespace qx30
