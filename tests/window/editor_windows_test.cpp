// Windows' counterpart of the editor search: Notepad opens the list named
// by its one argument, found in the current folder, and the program does
// not wait for it.
#include <windows.h>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "window/platform/qt_launcher.h"
#include "support/fake_platform.h"

namespace qx30 {
namespace {

struct Search {
  const wchar_t* part;
  HWND found = nullptr;
};

BOOL CALLBACK titled(HWND window, LPARAM found) {
  auto& search = *reinterpret_cast<Search*>(found);
  wchar_t title[256] = {};
  if (IsWindowVisible(window) && GetWindowTextW(window, title, 256) > 0 && std::wcsstr(title, search.part)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible window whose title holds `part`, waited for a while.
HWND window_titled(const wchar_t* part) {
  Search search{part};
  for (int i = 0; i < 200 && !search.found; ++i) {
    EnumWindows(titled, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(100);
  }
  return search.found;
}

TEST(Notepad, OpensTheListInTheCurrentFolder) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QString::fromUtf8("Séances d'été"));
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(testing::write_file(folder + "/pilotes.txt", "Dupont\r\n"));
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder));
  QtLauncher().open_in_editor("pilotes.txt");
  QDir::setCurrent(before);
  const HWND notepad = window_titled(L"pilotes.txt");
  ASSERT_NE(notepad, nullptr) << "no Notepad window on pilotes.txt";
  PostMessageW(notepad, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace qx30
