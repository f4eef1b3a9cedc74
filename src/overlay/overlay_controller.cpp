#include "overlay/overlay_controller.h"

#include <commctrl.h>

#include "overlay/draw_canvas.h"
#include "overlay/render.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/topmost.h"
#include "shell/win_rect.h"

namespace corvanta {

namespace {

constexpr LONG kOverlayExStyle = WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;

}  // namespace

OverlayController::OverlayController(Program& program, MainWindowSeam& window, DrawCanvas& canvas)
    : program_(program), window_(window), canvas_(canvas), memory_(canvas) {}

COLORREF OverlayController::ColourKey() const { return ColourKeyOf(program_.State()); }

int OverlayController::Strength() const { return window_.StrengthSliderPosition(); }

void OverlayController::RenderLockedCanvas(const LockRequest& lock) {
  RenderRequest request;
  request.displayMode = program_.State().displayMode;
  request.placement = static_cast<Placement>(program_.Settings().ConfigInt(keys::kPicturePlacement));
  request.picturePath = lock.picturePath;
  // A preset file that is gone leaves the scanlines of the previous lock.
  request.scanlines = lock.scanlines.value_or(lastRender_.scanlines);
  RECT client{};
  GetClientRect(window_.Hwnd(), &client);
  const SIZE size = lock.canvasSize.value_or(SIZE{client.right, client.bottom});
  RenderDisplayMode(canvas_, size.cx, size.cy, request);
  lastRender_ = request;
}

void OverlayController::RedrawAtSize(int width, int height) {
  RedrawDisplayMode(canvas_, width, height, lastRender_);
}

void OverlayController::SetPicturePlacement(Placement placement) {
  lastRender_.placement = placement;
  canvas_.SetPlacement(placement);
}

void OverlayController::TakeRegion(const RECT& region) {
  window_.ShowStartScreenControls(false);
  window_.SetFrame(WindowFrame::kBorderless);
  MoveWindowTo(window_.Hwnd(), RectOf(region));
}

void OverlayController::Lock(const LockRequest& request) {
  HWND hwnd = window_.Hwnd();
  ShowWindow(hwnd, SW_HIDE);
  EnableWindow(hwnd, FALSE);
  RenderLockedCanvas(request);
  if (request.region) TakeRegion(*request.region);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | kOverlayExStyle);
  SetLayeredWindowAttributes(hwnd, ColourKey(), static_cast<BYTE>(Strength()), LWA_COLORKEY | LWA_ALPHA);
  ShowWindow(hwnd, SW_SHOWNA);
}

void OverlayController::ShowStartScreen(const Rect& place) {
  HWND hwnd = window_.Hwnd();
  ShowWindow(hwnd, SW_HIDE);
  EnableWindow(hwnd, TRUE);
  canvas_.RemovePicture();
  canvas_.Show(false);
  canvas_.SetSize(0, 0);  // the overlay's memory is not held while the start screen waits
  window_.ShowStartScreenControls(true);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  MoveWindowTo(hwnd, place);
  ShowWindow(hwnd, SW_SHOW);
  window_.LayOutStartScreen();
}

void OverlayController::OnStrongTopmostTick() {
  ++strongTopmostTicks_;
  SetWindowOnTop(window_.Hwnd(), true);
}

void OverlayController::OnStrengthChanged(int position) {
  SendMessageW(window_.Control(ControlId::kStrengthSlider), TBM_SETSEL, TRUE, MAKELPARAM(0, position));
  window_.RedrawStrengthSwatch(position);
  program_.Settings().SetConfigInt(keys::kStrength, position);
}

}  // namespace corvanta
