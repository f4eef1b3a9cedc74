// A helper program for the black-box runs:
//   target.exe paint X Y W H [FILE]
//                              shows a borderless window at that rectangle painted in a known pattern
//                              (vertical stripes of pure blue and pure yellow, 16 pixels wide); with FILE,
//                              appends a line "down X Y" or "up X Y" (screen coordinates) for every left
//                              button press and release it receives
//   target.exe topmost X Y W H [FILE]
//                              the same window, always on top
//   target.exe locate ID       prints the screen rectangle "left top right bottom" of the child control
//                              ID of Corvanta's main window, or nothing when there is none
//   target.exe state           prints Corvanta's main window as "left top right bottom exstyle visible
//                              enabled count caption" (count: how many main windows exist)
//   target.exe keys [MODS VK]  shows an ordinary window titled "corvanta-keys" that can take the keyboard
//                              focus; with MODS and VK it first registers that hotkey for itself, as
//                              another program holding it would, and prints "held" or "refused"
//   target.exe framed X Y W H  shows a captioned window titled "corvanta-framed" at that rectangle, its
//                              client area painted in the pattern, with a child control of the same
//                              pattern over the left half of the client area
//   target.exe place TITLE X Y W H
//                              moves and sizes the top-level window of that title, as another program would
//   target.exe close TITLE     asks the window of that title to close
//   target.exe where TITLE     prints "outer L T R B client L T R B child L T R B" of that window
// Every rectangle is in physical pixels, at any display scaling.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* clicksFile = nullptr;

void RecordClick(HWND hwnd, const char* what, LPARAM lParam) {
  if (clicksFile == nullptr) return;
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(hwnd, &at);
  if (FILE* file = fopen(clicksFile, "a")) {
    fprintf(file, "%s %ld %ld\n", what, at.x, at.y);
    fclose(file);
  }
}

LRESULT CALLBACK PaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    for (int x = 0; x < client.right; x += 16) {
      RECT stripe{x, 0, x + 16, client.bottom};
      FillRect(dc, &stripe, (x / 16) % 2 == 0 ? blue : yellow);
    }
    DeleteObject(blue);
    DeleteObject(yellow);
    EndPaint(hwnd, &ps);
    return 0;
  }
  // A click must not activate it either: Wine 8 would raise it above every other X window.
  if (message == WM_MOUSEACTIVATE && (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) return MA_NOACTIVATE;
  if (message == WM_LBUTTONDOWN) RecordClick(hwnd, "down", lParam);
  if (message == WM_LBUTTONUP) RecordClick(hwnd, "up", lParam);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window class of PaintProc with the arrow cursor, and the stock brush as background unless it is
// NULL_BRUSH; returns its name.
const char* RegisterPaintClass(const char* name, int stockBrush = NULL_BRUSH) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PaintProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  if (stockBrush != NULL_BRUSH) wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(stockBrush));
  RegisterClassA(&wc);
  return name;
}

int RunMessages() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

int Paint(int x, int y, int w, int h, DWORD extraStyle) {
  const char* className = RegisterPaintClass("CorvantaBlackboxTarget");
  // Never activated: without a window manager, Wine would raise an activated window above the overlay
  // in the X stacking order although the overlay stays topmost for Windows.
  CreateWindowExA(WS_EX_NOACTIVATE | extraStyle, className, "corvanta-target", WS_POPUP | WS_VISIBLE, x, y, w, h,
                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return RunMessages();
}

int Framed(int x, int y, int w, int h) {
  const char* className = RegisterPaintClass("CorvantaBlackboxFramed");
  HWND frame = CreateWindowExA(WS_EX_NOACTIVATE, className, "corvanta-framed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x,
                               y, w, h, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  RECT client{};
  GetClientRect(frame, &client);
  CreateWindowExA(0, className, "corvanta-child", WS_CHILD | WS_VISIBLE, 0, 0, client.right / 2, client.bottom, frame,
                  nullptr, GetModuleHandleA(nullptr), nullptr);
  return RunMessages();
}

int Place(const char* title, int x, int y, int w, int h) {
  HWND window = FindWindowA(nullptr, title);
  if (window == nullptr) return 1;
  return SetWindowPos(window, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
}

int Close(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  return window != nullptr && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

int Where(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  HWND child = window ? FindWindowExA(window, nullptr, nullptr, "corvanta-child") : nullptr;
  RECT outer{}, client{}, inner{};
  if (window == nullptr || !GetWindowRect(window, &outer) || !GetClientRect(window, &client)) return 1;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  if (child != nullptr) GetWindowRect(child, &inner);
  printf("outer %ld %ld %ld %ld client %ld %ld %ld %ld child %ld %ld %ld %ld\n", outer.left, outer.top, outer.right,
         outer.bottom, client.left, client.top, client.right, client.bottom, inner.left, inner.top, inner.right,
         inner.bottom);
  fflush(stdout);
  return 0;
}

int Keys(int modifiers, int virtualKey) {
  const char* className = RegisterPaintClass("CorvantaBlackboxKeys", WHITE_BRUSH);
  HWND hwnd = CreateWindowExA(0, className, "corvanta-keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 1500, 700,
                              300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (virtualKey != 0) {
    puts(RegisterHotKey(hwnd, 1, static_cast<UINT>(modifiers), static_cast<UINT>(virtualKey)) ? "held" : "refused");
    fflush(stdout);
  }
  return RunMessages();
}

int Locate(int controlId) {
  HWND main = FindWindowA("CorvantaMainWindow", nullptr);
  HWND control = main ? GetDlgItem(main, controlId) : nullptr;
  RECT r{};
  if (control != nullptr && GetWindowRect(control, &r)) printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  fflush(stdout);
  return control != nullptr ? 0 : 1;
}

int State() {
  HWND main = FindWindowA("CorvantaMainWindow", nullptr);
  RECT r{};
  if (main == nullptr || !GetWindowRect(main, &r)) return 1;
  int windows = 0;
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "CorvantaMainWindow", nullptr)) != nullptr;) ++windows;
  char caption[256] = {};
  GetWindowTextA(main, caption, sizeof(caption));
  printf("%ld %ld %ld %ld %lu %d %d %d %s\n", r.left, r.top, r.right, r.bottom,
         static_cast<unsigned long>(GetWindowLongA(main, GWL_EXSTYLE)), IsWindowVisible(main) ? 1 : 0,
         IsWindowEnabled(main) ? 1 : 0, windows, caption);
  fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  SetProcessDPIAware();
  const bool topmost = argc >= 2 && strcmp(argv[1], "topmost") == 0;
  if ((argc == 6 || argc == 7) && (strcmp(argv[1], "paint") == 0 || topmost)) {
    if (argc == 7) clicksFile = argv[6];
    return Paint(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), topmost ? WS_EX_TOPMOST : 0);
  }
  if (argc == 6 && strcmp(argv[1], "framed") == 0) return Framed(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
  if (argc == 7 && strcmp(argv[1], "place") == 0) {
    return Place(argv[2], atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
  }
  if (argc == 3 && strcmp(argv[1], "close") == 0) return Close(argv[2]);
  if (argc == 3 && strcmp(argv[1], "where") == 0) return Where(argv[2]);
  if (argc == 3 && strcmp(argv[1], "locate") == 0) return Locate(atoi(argv[2]));
  if (argc == 2 && strcmp(argv[1], "state") == 0) return State();
  if (argc == 2 && strcmp(argv[1], "keys") == 0) return Keys(0, 0);
  if (argc == 4 && strcmp(argv[1], "keys") == 0) return Keys(atoi(argv[2]), atoi(argv[3]));
  fprintf(stderr,
          "usage: target paint|topmost|framed X Y W H [FILE] | target place TITLE X Y W H | target close|where TITLE |"
          " target locate ID | target state | target keys [MODS VK]\n");
  return 2;
}
