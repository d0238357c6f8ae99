#pragma once
// Opening a text file in the desktop's text editor, without waiting for it.

#include <string>

namespace qx30 {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // The file name is one argument of the editor, never parsed by a shell.
  virtual void open_in_editor(const std::string& file_name) = 0;
};

}  // namespace qx30
