#pragma once
// Fonts and colours of the window as the layout gives them.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace qx30 {

// "MS Sans Serif" at a pixel height; where that face is missing, a sans-serif
// face of the same pixel height.
QFont layout_font(int pixel_size, bool bold);
// The same for the lists, where the system's sans-serif face keeps rows of
// 13 pixels at 11, the row height the list stacking was drawn for.
QFont list_font(int pixel_size, bool bold);

// The 32-bit colour encoding of the parameters file: 0x00BBGGRR, or
// 0x80000000 plus a system colour index.
namespace couleur {
inline constexpr std::uint32_t vert = 0x0000FF00;
inline constexpr std::uint32_t jaune = 0x0000FFFF;
inline constexpr std::uint32_t blanc = 0x00FFFFFF;
inline constexpr std::uint32_t bleu_ciel = 0x00F0CAA6;
inline constexpr std::uint32_t fond_bulle = 0x80000018;  // system tooltip background
inline constexpr std::uint32_t rouge = 0x000000FF;
inline constexpr std::uint32_t noir = 0x00000000;
}  // namespace couleur

// The colour shown for an encoded value; system colours map to the matching
// entry of Qt's palette.
QColor to_qcolor(std::uint32_t value);

// Background or text colour of a control. The raw value stays with the
// control, so it is written back unchanged.
void set_background(QWidget* widget, std::uint32_t value);
void set_text_colour(QWidget* widget, std::uint32_t value);
void set_text_colour(QWidget* widget, const QColor& colour);
std::uint32_t background_of(const QWidget* widget);

}  // namespace qx30
