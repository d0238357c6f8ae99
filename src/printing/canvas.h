#pragma once
// The little a printed page needs of a printer: measure a text, draw a text,
// know how tall the page is and move on to the next one. The printer side
// starts and ends the job around it and sets the font (taille_police) first.

#include <string>

namespace qx30 {

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Height in device units of a text in the current font.
  virtual int text_height(const std::string& text) = 0;
  // Draws a Windows-1252 text whose top-left corner is at (x, y), in device
  // units from the top left of the printable area, y growing downwards.
  virtual void draw_text(int x, int y, const std::string& text) = 0;
  // Printable height of a page in device units.
  virtual int page_height() = 0;
  // Ends the current page and starts a blank one.
  virtual void new_page() = 0;
};

}  // namespace qx30
