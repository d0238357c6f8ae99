#include "window/qt_printer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "printing/imprimante.h"
#include "window/qt_text.h"

namespace qx30 {

namespace {

// The page layout's canvas over a painter on the printer, in device pixels.
class PrinterCanvas : public Canvas {
 public:
  PrinterCanvas(QPrinter& printer, QPainter& painter) : printer_(printer), painter_(painter) {}

  int text_height(const std::string&) override {
    return QFontMetrics(painter_.font(), &printer_).height();  // the line height, whatever the text
  }
  void draw_text(int x, int y, const std::string& text) override {
    // The layout gives the top of the text; the painter wants the baseline.
    painter_.drawText(x, y + QFontMetrics(painter_.font(), &printer_).ascent(), to_qt(text));
  }
  int page_height() override { return printer_.pageLayout().paintRectPixels(printer_.resolution()).height(); }
  void new_page() override { printer_.newPage(); }

 private:
  QPrinter& printer_;
  QPainter& painter_;
};

}  // namespace

std::optional<QString> QtPrinter::default_printer() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  return info.printerName();
}

void QtPrinter::print(const std::function<void(Canvas&)>& layout) {
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  QPainter painter(&printer);
  QFont font = painter.font();
  font.setPointSize(taille_police);
  painter.setFont(font);
  PrinterCanvas canvas(printer, painter);
  layout(canvas);
  painter.end();
}

}  // namespace qx30
