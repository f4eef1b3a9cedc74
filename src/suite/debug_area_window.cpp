#include "suite/debug_area_window.h"

#include "shell/program.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/render.h"
#include "platform/controls.h"
#include "settings/paths.h"
#include "suite/backdrop_window.h"
#include "suite/suite_layout.h"
#include "suite/suite_text.h"
#include "suite/suite_values.h"
#include "suite/suite_window.h"

namespace corvanta {

namespace {

enum DebugTimer : UINT_PTR {
  kPlacementTimer = 1,
  kFileRedrawTimer = 2,
  kPreviewRedrawTimer = 3,
};

Rect PlaceOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

DebugAreaWindow::DebugAreaWindow(Program& program, SuiteWindow& suite) : program_(program), suite_(suite) {}

DebugAreaWindow::~DebugAreaWindow() = default;

bool DebugAreaWindow::Create(int strength) {
  background_.Reset(CreateSolidBrush(kDebugColourKey));
  WNDCLASSEXW wc{};
  wc.hInstance = program_.Instance();
  wc.hCursor = ArrowCursor();
  wc.hIcon = ProgramIcon(program_.Instance());
  wc.hIconSm = wc.hIcon;
  if (!RegisterOnce(wc, kClassName)) return false;
  const Rect place = DebugAreaPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                           PlaceOf(suite_.Hwnd()).height);
  // The backdrop owns the debug area: an owned window always stays above its owner, so the backdrop
  // cannot come between the debug area and the screen, whatever raises it.
  backdrop_ = MakeWindow<BackdropWindow>();
  if (!backdrop_->Create(program_.Instance(), suite_.BackgroundColour(),
                         [this](BackdropWindow& backdrop) { suite_.ShowChosenBackdrop(backdrop); })) {
    return false;
  }
  if (!CreateOwnWindow(WS_EX_LAYERED, kClassName, kSuiteDebugAreaCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                       place.left, place.top, place.width, place.height, backdrop_->Hwnd(), program_.Instance())) {
    return false;
  }
  const SIZE client = ClientSize();
  canvas_ = MakeWindow<DrawCanvas>();
  if (!canvas_->Create(hwnd_, program_.Instance(), 0, 0, client.cx, client.cy)) return false;
  canvas_->SetBackgroundColour(kDebugColourKey);
  canvas_->Clear();

  backdrop_->StartShowTimer();
  ApplyStrength(strength);
  PlaceBackdrop();
  backdrop_->Show(true);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  SetTimer(hwnd_, kPlacementTimer, kPlacementInterval, nullptr);
  StartPreviewRedraw(kResizeRedrawDelay);
  return true;
}

SIZE DebugAreaWindow::ClientSize() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return SIZE{client.right, client.bottom};
}

void DebugAreaWindow::StartPreviewRedraw(UINT milliseconds) {
  if (SetTimer(hwnd_, kPreviewRedrawTimer, milliseconds, nullptr) != 0) previewPending_ = true;
}

void DebugAreaWindow::StartFileRedraw(UINT milliseconds) {
  if (SetTimer(hwnd_, kFileRedrawTimer, milliseconds, nullptr) != 0) filePending_ = true;
}

void DebugAreaWindow::ApplyStrength(int strength) {
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd_, kDebugColourKey, static_cast<BYTE>(strength), LWA_COLORKEY | LWA_ALPHA);
}

void DebugAreaWindow::PlaceBackdrop() {
  if (!backdrop_ || backdrop_->Hwnd() == nullptr) return;
  ++placements_;
  const SIZE client = ClientSize();
  backdrop_->PlaceBelow(hwnd_, BackdropPlace(PlaceOf(hwnd_), client.cx, client.cy));
}

void DebugAreaWindow::SetBackgroundTransparent(bool transparent) {
  transparent_ = transparent;
  if (backdrop_) backdrop_->Show(!transparent);
}

void DebugAreaWindow::RedrawPreview() {
  SettingsStore& settings = program_.Settings();
  const std::string cache = settings.PathOf(paths::kPreviewCache);
  WritePreset(settings, cache, PresetFromPositions(suite_.Positions()));
  // Drawn from what the cache holds: an unwritable cache reads back zeros and draws nothing.
  const Scanlines scanlines = ScanlinesOf(ReadPreset(settings, cache));
  const SIZE client = ClientSize();
  canvas_->SetBounds(0, 0, client.cx, client.cy);
  SetScanlinePen(*canvas_, scanlines);
  canvas_->Clear();
  DrawGrid(*canvas_, client.cx, client.cy, scanlines.grid);
  ++previewRedraws_;
}

void DebugAreaWindow::RedrawFromFile() {
  const SIZE client = ClientSize();
  canvas_->SetBounds(0, 0, client.cx, client.cy);
  const Scanlines scanlines = ScanlinesOf(ReadPreset(program_.Settings(), suite_.OpenedFile()));
  SetScanlinePen(*canvas_, scanlines);
  // Not cleared: Open cleared the canvas with these pen settings just before.
  DrawGrid(*canvas_, client.cx, client.cy, scanlines.grid);
}

LRESULT DebugAreaWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return EraseClientWith(hwnd_, wParam, background_.Get());
    case WM_SIZE:
      StartPreviewRedraw(kResizeRedrawDelay);
      PlaceBackdrop();
      return 0;
    case WM_MOVE:
      PlaceBackdrop();
      return 0;
    case WM_CLOSE:
      // The preview lives and dies with the suite: closing it closes the suite, once this message is done.
      PostMessageW(suite_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(SuiteControl::kMenuClose), 0);
      return 0;
    case WM_TIMER:
      switch (wParam) {
        case kPlacementTimer:
          PlaceBackdrop();
          break;
        case kFileRedrawTimer:
          KillTimer(hwnd_, kFileRedrawTimer);
          filePending_ = false;
          RedrawFromFile();
          break;
        case kPreviewRedrawTimer:
          KillTimer(hwnd_, kPreviewRedrawTimer);
          previewPending_ = false;
          RedrawPreview();
          break;
        default:
          break;
      }
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, kPlacementTimer);
      KillTimer(hwnd_, kFileRedrawTimer);
      KillTimer(hwnd_, kPreviewRedrawTimer);
      previewPending_ = filePending_ = false;
      return 0;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvanta
