#pragma once
// Opening a text file in the desktop's text editor, without waiting for it.

#include <string>

namespace qx30 {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts asking the desktop whatever a click will need (which editor), so
  // that the click does not wait for it. The window calls it once it is on
  // the screen: nothing is asked before.
  virtual void prepare() {}
  // The file name is one argument of the editor, never parsed by a shell.
  virtual void open_in_editor(const std::string& file_name) = 0;
};

}  // namespace qx30
