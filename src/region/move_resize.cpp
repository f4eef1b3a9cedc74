#include "region/move_resize.h"

#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"

namespace corvanta {

namespace {

constexpr LONG kOverlayExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_TRANSPARENT;

POINT ChildOrigin(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  POINT origin{r.left, r.top};
  ScreenToClient(GetParent(child), &origin);
  return origin;
}

}  // namespace

MoveResize::MoveResize(Program& program, MainWindowSeam& window, OverlayController& overlay, DrawCanvas& canvas)
    : program_(program), window_(window), overlay_(overlay), canvas_(canvas) {}

void MoveResize::ApplyMoveResizeAttributes() {
  HWND hwnd = window_.Hwnd();
  window_.SetBackgroundColour(kMoveResizeBackground);
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd, kMoveResizeColourKey, kMoveResizeAlpha, LWA_COLORKEY | LWA_ALPHA);
}

void MoveResize::Begin() {
  HWND hwnd = window_.Hwnd();
  const POINT canvasOrigin = ChildOrigin(canvas_.Hwnd());
  EnableWindow(hwnd, TRUE);
  // The sizing frame has no control box: the window can only be finished through its menu or F5.
  window_.SetFrame(WindowFrame::kResizableTool);
  ApplyMoveResizeAttributes();
  // Hidden and shown again so that the new frame takes effect.
  ShowWindow(hwnd, SW_HIDE);
  ShowWindow(hwnd, SW_SHOW);
  SetFocus(hwnd);
  canvas_.SetBounds(canvasOrigin.x, canvasOrigin.y, canvas_.Width(), canvas_.Height());
}

void MoveResize::Finish() {
  HWND hwnd = window_.Hwnd();
  EnableWindow(hwnd, FALSE);
  // No frame: the window keeps its outer rectangle, so frame, title bar and menu bar become client area.
  window_.SetFrame(WindowFrame::kBorderless);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | kOverlayExStyle);
  SetLayeredWindowAttributes(hwnd, overlay_.ColourKey(), static_cast<BYTE>(window_.StrengthSliderPosition()),
                             LWA_COLORKEY | LWA_ALPHA);
  window_.StartTimer(MainTimer::kResizeRedraw, kResizeRedrawDelay);
}

void MoveResize::PrepareRelock() { ApplyMoveResizeAttributes(); }

void MoveResize::OnRedrawTick() {
  window_.StopTimer(MainTimer::kResizeRedraw);
  RECT client{};
  GetClientRect(window_.Hwnd(), &client);
  overlay_.RedrawAtSize(client.right, client.bottom);
}

}  // namespace corvanta
