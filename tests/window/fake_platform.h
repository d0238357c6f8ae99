#pragma once
// The outside world of a window under test: boxes answered by the test, a
// clock it sets, an editor launch and a printer it only records.

#include <string>
#include <vector>

#include "fake_clock.h"
#include "scripted_dialogs.h"
#include "window/tf_qx.h"

namespace qx30::testing {

class FakeLauncher : public Launcher {
 public:
  std::vector<std::string> opened;
  void open_in_editor(const std::string& file_name) override { opened.push_back(file_name); }
};

// Pages of a fixed height; every drawn text is recorded with its page.
class FakePrinter : public Printer, public Canvas {
 public:
  struct Drawn {
    int page, x, y;
    std::string text;
  };
  std::optional<QString> name = QStringLiteral("Bureau");
  int height = 3000;
  int line_height = 50;
  int page = 0;
  std::vector<Drawn> drawn;

  std::optional<QString> default_printer() override { return name; }
  void print(const std::function<void(Canvas&)>& layout) override {
    page = 1;
    layout(*this);
  }
  int text_height(const std::string&) override { return line_height; }
  void draw_text(int x, int y, const std::string& text) override { drawn.push_back({page, x, y, text}); }
  int page_height() override { return height; }
  void new_page() override { ++page; }
};

struct FakePlatform {
  ScriptedDialogs dialogs;
  FakeClock clock;
  FakeLauncher launcher;
  FakePrinter printer;
  Platform platform() { return Platform{dialogs, clock, launcher, printer}; }
};

}  // namespace qx30::testing
