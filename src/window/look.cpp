#include "window/look.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace qx30 {

namespace {

constexpr const char* raw_background = "qx30_background";

// The Windows system colour indices that have a Qt palette role.
QColor system_colour(std::uint32_t index) {
  const QPalette p = QApplication::palette();
  switch (index) {
    case 0: return p.color(QPalette::Window);       // scroll bar
    case 1: return p.color(QPalette::Dark);         // desktop
    case 4: return p.color(QPalette::Window);       // menu
    case 5: return p.color(QPalette::Base);         // window
    case 7: return p.color(QPalette::WindowText);   // menu text
    case 8: return p.color(QPalette::WindowText);   // window text
    case 9: return p.color(QPalette::HighlightedText);
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);
    case 16: return p.color(QPalette::Mid);         // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);
    case 18: return p.color(QPalette::ButtonText);
    case 20: return p.color(QPalette::Light);
    case 21: return p.color(QPalette::Shadow);
    case 22: return p.color(QPalette::Midlight);
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
  }
}

}  // namespace

QFont layout_font(int pixel_size, bool bold) {
  QFont f = list_font(pixel_size, bold);
  // Where it is missing, a narrow face: at the same pixel heights Arial's
  // widths run the longest captions into their buttons' frames and the
  // list label into the reload button.
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                 QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  return f;
}

QFont list_font(int pixel_size, bool bold) {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixel_size);
  f.setBold(bold);
  return f;
}

QColor to_qcolor(std::uint32_t value) {
  if (value & 0x80000000u) return system_colour(value & 0xFFFFFFu);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

void set_background(QWidget* widget, std::uint32_t value) {
  widget->setProperty(raw_background, QVariant::fromValue(value));
  QPalette p = widget->palette();
  const QColor c = to_qcolor(value);
  p.setColor(QPalette::Window, c);
  // A list paints its rows on Base. The window's Base would pass to every
  // edit field and drop-down list inside it, which keep their own white.
  if (!widget->isWindow()) p.setColor(QPalette::Base, c);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void set_text_colour(QWidget* widget, std::uint32_t value) { set_text_colour(widget, to_qcolor(value)); }

void set_text_colour(QWidget* widget, const QColor& c) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::ButtonText, c);
  p.setColor(QPalette::Text, c);
  widget->setPalette(p);
}

std::uint32_t background_of(const QWidget* widget) {
  return widget->property(raw_background).value<std::uint32_t>();
}

}  // namespace qx30
