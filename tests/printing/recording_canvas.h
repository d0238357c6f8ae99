#pragma once
// A printer that keeps what it is asked to do, one readable line per call:
// "x,y text" for a drawn text, "new page" for a page break.

#include <string>
#include <vector>

#include "printing/canvas.h"

namespace qx30::testing {

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int hauteur_texte, int hauteur_page)
      : hauteur_texte_(hauteur_texte), hauteur_page_(hauteur_page) {}

  std::vector<std::string> measured;  // texts whose height was asked
  std::vector<std::string> calls;

  int text_height(const std::string& text) override {
    measured.push_back(text);
    return hauteur_texte_;
  }
  void draw_text(int x, int y, const std::string& text) override {
    calls.push_back(std::to_string(x) + "," + std::to_string(y) + " " + text);
  }
  int page_height() override { return hauteur_page_; }
  void new_page() override { calls.push_back("new page"); }

 private:
  int hauteur_texte_;
  int hauteur_page_;
};

}  // namespace qx30::testing
