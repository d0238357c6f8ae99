#pragma once
// The editor launch on this desktop.

#include "window/platform/launcher.h"

namespace qx30 {

class QtLauncher : public Launcher {
 public:
  // "notepad.exe" where the system has one, the desktop's default
  // application for the file otherwise.
  void open_in_editor(const std::string& file_name) override;
};

}  // namespace qx30
