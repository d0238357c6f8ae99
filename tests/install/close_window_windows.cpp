// close_window TITLE: asks each visible top-level window whose title begins
// with TITLE to close as Windows does (WM_CLOSE), so that the program runs its
// close handler. Fails when there is none.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

struct Search {
  std::wstring title;
  int closed = 0;
};

BOOL CALLBACK close_if_titled(HWND window, LPARAM found) {
  auto& search = *reinterpret_cast<Search*>(found);
  wchar_t title[256] = {};
  if (IsWindowVisible(window) && GetWindowTextW(window, title, 256) > 0 &&
      std::wcsncmp(title, search.title.c_str(), search.title.size()) == 0 &&
      PostMessageW(window, WM_CLOSE, 0, 0))
    ++search.closed;
  return TRUE;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  Search search;
  const int length = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0);
  search.title.resize(length > 0 ? length - 1 : 0);
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, search.title.data(), length);
  EnumWindows(close_if_titled, reinterpret_cast<LPARAM>(&search));
  return search.closed > 0 ? 0 : 1;
}
