// Child controls, window texts and message boxes with GBK text, through the wide functions.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvanta {

struct ControlSetup {
  const wchar_t* className;  // WC_BUTTONW, TRACKBAR_CLASSW, ...
  std::string_view text;     // GBK
  DWORD style;               // added to WS_CHILD | WS_VISIBLE
  int id;
  int x, y, width, height;
  DWORD exStyle = 0;
};

// Creates a visible child control; nullptr when it could not be created.
HWND CreateControl(HWND parent, HINSTANCE instance, const ControlSetup& setup);

// Controls made one after another with one font, at 0, 0 and no size for a layout to place them; it
// tells afterwards whether every one of them was made.
class ControlBatch {
 public:
  ControlBatch(HWND parent, HINSTANCE instance, HFONT font) : parent_(parent), instance_(instance), font_(font) {}
  void Add(const wchar_t* className, std::string_view text, DWORD style, int id);
  bool AllCreated() const { return allCreated_; }

 private:
  HWND parent_;
  HINSTANCE instance_;
  HFONT font_;
  bool allCreated_ = true;
};

void SetControlFont(HWND control, HFONT font);
// The font of every child window of parent.
void SetChildrenFont(HWND parent, HFONT font);

void SetWindowTextGbk(HWND hwnd, std::string_view text);
std::string WindowTextGbk(HWND hwnd);

// MessageBoxW with GBK text and caption.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

// The resource icon of the program (id 1), or the system's application icon.
HICON ProgramIcon(HINSTANCE instance);
HCURSOR ArrowCursor();

}  // namespace corvanta
