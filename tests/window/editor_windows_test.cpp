// Windows' counterpart of the editor search: Notepad opens the list named
// by its one argument, found in the current folder, and the program does
// not wait for it.
#include <windows.h>

#include <gtest/gtest.h>

#include "window/platform/qt_launcher.h"
#include "support/fake_platform.h"

namespace qx30 {
namespace {

// Whether a Notepad window names `file` in its title within 20 s; it is closed.
bool notepad_on(const wchar_t* file) {
  for (int i = 0; i < 200; ++i, Sleep(100)) {
    wchar_t title[256] = {};
    const HWND notepad = FindWindowW(L"Notepad", nullptr);
    if (notepad && GetWindowTextW(notepad, title, 256) > 0 && std::wcsstr(title, file))
      return PostMessageW(notepad, WM_CLOSE, 0, 0);
  }
  return false;
}

TEST(Notepad, OpensTheListInTheCurrentFolder) {
  const testing::WorkingFolder folder(QDir::tempPath() + QString::fromUtf8("/Séances d'été-XXXXXX"));
  ASSERT_TRUE(testing::write_file("pilotes.txt", "Dupont\r\n"));
  QtLauncher().open_in_editor("pilotes.txt");
  EXPECT_TRUE(notepad_on(L"pilotes.txt"));
}

}  // namespace
}  // namespace qx30
