// A helper program for the black-box runs: drives an open popup menu (class "#32768") by keys, as a
// user would.
//   menu_keys.exe [--wait MILLISECONDS] KEY...
//                          KEY is "down", "up", "right", "left", "return" or "escape", optionally
//                          repeated as "down*8"
// Waits up to five seconds (or the time given) for a visible popup menu, then posts each key to the newest one (a
// submenu opened by "right" is a popup of its own). A menu still open afterwards (the last key chose a disabled
// item) is closed with Esc, as a user would. Exits 0 when a menu was there, 1 otherwise.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

struct KeyName {
  const char* name;
  WPARAM key;
};

constexpr KeyName kKeys[] = {{"down", VK_DOWN},     {"up", VK_UP},         {"right", VK_RIGHT},
                             {"left", VK_LEFT},     {"return", VK_RETURN}, {"escape", VK_ESCAPE}};

BOOL CALLBACK TakeFirstVisibleMenu(HWND hwnd, LPARAM result) {
  wchar_t className[16] = {};
  GetClassNameW(hwnd, className, 16);
  if (wcscmp(className, L"#32768") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(result) = hwnd;
  return FALSE;
}

// Top-level windows come in Z order: the first visible menu is the one on top.
HWND NewestPopupMenu() {
  HWND found = nullptr;
  EnumWindows(TakeFirstVisibleMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

constexpr int kDefaultWaitMilliseconds = 5000;

HWND WaitForPopupMenu(int milliseconds = kDefaultWaitMilliseconds) {
  for (int tries = milliseconds / 10; tries > 0; --tries) {
    if (HWND menu = NewestPopupMenu()) return menu;
    Sleep(10);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  int firstWait = kDefaultWaitMilliseconds;
  if (argc > 2 && std::strcmp(argv[1], "--wait") == 0) {
    firstWait = std::atoi(argv[2]);
    first = 3;
  }
  if (WaitForPopupMenu(firstWait) == nullptr) return 1;
  Sleep(100);
  for (int i = first; i < argc; ++i) {
    const char* star = std::strchr(argv[i], '*');
    const size_t length = star ? static_cast<size_t>(star - argv[i]) : std::strlen(argv[i]);
    const int repeat = star ? std::atoi(star + 1) : 1;
    WPARAM key = 0;
    for (const KeyName& name : kKeys) {
      if (std::strlen(name.name) == length && std::strncmp(name.name, argv[i], length) == 0) key = name.key;
    }
    if (key == 0) return 2;
    for (int n = 0; n < repeat; ++n) {
      HWND menu = WaitForPopupMenu();
      if (menu == nullptr) return 1;
      PostMessageW(menu, WM_KEYDOWN, key, 1);
      PostMessageW(menu, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
      Sleep(60);
    }
  }
  for (int tries = 0; tries < 5; ++tries) {
    Sleep(150);
    HWND menu = NewestPopupMenu();
    if (menu == nullptr) break;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(menu, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0000001u));
  }
  return 0;
}
