#include "window/platform/qt_printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

#include "printing/imprimante.h"
#include "window/qt_text.h"

namespace qx30 {

namespace {

// The window library's default face where the system has it, another
// sans-serif face elsewhere.
QFont printer_font() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(taille_police);
  return font;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QPaintDevice& device)
    : painter_(painter), device_(device), metrics_(painter.font(), &device) {}

// The font's line height, whatever the text, as the line step wants it.
int PainterCanvas::text_height(const std::string&) { return metrics_.height(); }

// The layout gives the top of the text; the painter wants the baseline.
void PainterCanvas::draw_text(int x, int y, const std::string& text) {
  painter_.drawText(x, y + metrics_.ascent(), to_qt(text));
}

// A printer's height is that of its printable area.
int PainterCanvas::page_height() { return device_.height(); }

void PainterCanvas::new_page() {
  auto* pages = dynamic_cast<QPagedPaintDevice*>(&device_);
  if (!pages || !pages->newPage()) throw std::runtime_error("The printer could not start a new page");
}

std::optional<QString> QtPrinter::default_printer() {
  if (!pdf_file_.isEmpty()) return pdf_file_;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  return info.printerName();
}

void QtPrinter::print(const std::function<void(Canvas&)>& layout) {
  QPrinter printer(QPrinter::HighResolution);
  if (pdf_file_.isEmpty()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw std::runtime_error(pas_d_imprimante_par_defaut);
    printer.setPrinterName(info.printerName());
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_file_);
  }
  QPainter painter;
  // A job that cannot start would otherwise print nothing without a word.
  if (!painter.begin(&printer)) throw std::runtime_error("The print job could not be started");
  painter.setFont(printer_font());
  PainterCanvas canvas(painter, printer);
  try {
    layout(canvas);
  } catch (...) {
    // Half a list on paper is worse than none: the job is dropped.
    printer.abort();
    painter.end();
    throw;
  }
  if (!painter.end()) throw std::runtime_error("The print job could not be handed to the printer");
}

}  // namespace qx30
