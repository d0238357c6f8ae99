#pragma once
// The editor launch on this desktop.

#include <QString>
#include <QStringList>

#include "window/platform/launcher.h"

namespace qx30 {

// Where the text editor is looked for.
struct EditorSearch {
  // The desktop's default application for plain text, as the name of its
  // .desktop file ("org.xfce.mousepad.desktop"); empty when it names none.
  QString default_entry;
  // The data folders whose applications/ hold the .desktop files.
  QStringList data_dirs;
  // The program search path, folders separated by ":".
  QString path;
};

// The editor's program with the arguments that go before the file name: the
// desktop's default application for plain text when it can be found, else
// the first common graphical editor on the path; empty when there is none.
QStringList find_editor(const EditorSearch& where);

// The editor's program with the arguments that go before the file name, on
// this platform (qt_launcher_xdg.cpp, qt_launcher_windows.cpp); empty when
// there is none.
QStringList editor_command();
// Starts whatever editor_command needs to ask the desktop, so that a click
// does not wait for it.
void prepare_editor_command();

class QtLauncher : public Launcher {
 public:
  void prepare() override { prepare_editor_command(); }
  // Starts the editor on the file, in the current folder, without waiting
  // for it; also when the file does not exist yet, as the editor creates it
  // on saving. An editor that cannot be started is an error.
  void open_in_editor(const std::string& file_name) override;
};

}  // namespace qx30
