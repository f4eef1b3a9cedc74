#include "effects/preview_picture_window.h"

#include <algorithm>

#include "effects/effect_list_text.h"
#include "overlay/draw_canvas.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/files.h"
#include "settings/paths.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/topmost.h"

namespace corvanta {

namespace {

constexpr UINT_PTR kLayoutTimer = 1;
constexpr UINT kLayoutDelay = 30;
constexpr int kShownLeft = 50;
constexpr int kShownTop = 50;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

SIZE FrameOf(HWND hwnd) {
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  return SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

}  // namespace

PreviewPictureWindow::PreviewPictureWindow(Program& program, std::function<std::string()> selectedName)
    : program_(program), selectedName_(std::move(selectedName)) {}

PreviewPictureWindow::~PreviewPictureWindow() = default;

bool PreviewPictureWindow::Open() {
  WNDCLASSEXW wc{};
  wc.hInstance = program_.Instance();
  wc.hCursor = ArrowCursor();
  wc.hIcon = ProgramIcon(program_.Instance());
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  if (!RegisterOnce(wc, kClassName)) return false;
  const Size minimum = MinimumClient(SystemDpi());
  RECT initial{0, 0, minimum.width, minimum.height};
  AdjustWindowRectEx(&initial, kStyle, FALSE, 0);
  if (!CreateOwnWindow(0, kClassName, kInitialCaption, kStyle, GetSystemMetrics(SM_CXSCREEN) + 100,
                       GetSystemMetrics(SM_CYSCREEN) + 100, initial.right - initial.left, initial.bottom - initial.top,
                       nullptr, program_.Instance())) {
    return false;
  }
  canvas_ = MakeWindow<DrawCanvas>();
  if (!canvas_->Create(hwnd_, program_.Instance(), 0, 0, minimum.width, minimum.height)) {
    DestroyWindow(hwnd_);
    return false;
  }
  RestartTimer();
  return true;
}

void PreviewPictureWindow::RestartTimer() {
  if (hwnd_ != nullptr) SetTimer(hwnd_, kLayoutTimer, kLayoutDelay, nullptr);
}

bool PreviewPictureWindow::LoadRequestedPicture(std::string& caption) {
  ProgramState& state = program_.State();
  const std::string& programDir = program_.Settings().ProgramDir();
  std::string path;
  if (state.picturePreviewFlag) {
    const std::string name = selectedName_();
    path = programDir + paths::kPictureFolder + "\\" + name;
    canvas_->SetPicture(ReadWholeFile(path));
    const SIZE size = canvas_->PictureSize();
    caption = PicturePreviewCaption(name, size.cx, size.cy);
    return true;
  }
  if (program_.Main().GetMenus().IsChecked(MenuId::kAutoPreview)) {
    path = program_.Settings().PathOf(paths::kImagesFolder) + "\\" + state.lastScreenshotName;
    canvas_->SetPicture(ReadWholeFile(path));
    caption = path;
    return true;
  }
  return false;
}

Size PreviewPictureWindow::MinimumClient(int dpi) {
  return {DpiScale(kPreviewMinClientWidth, dpi), DpiScale(kPreviewMinClientHeight, dpi)};
}

void PreviewPictureWindow::FitClientTo(int width, int height) {
  // The picture keeps its own pixels; only the smallest window grows with the DPI.
  const Size minimum = MinimumClient(WindowDpi(hwnd_));
  const Size client{std::max(width, minimum.width), std::max(height, minimum.height)};
  const SIZE frame = FrameOf(hwnd_);
  SetWindowPos(hwnd_, nullptr, 0, 0, client.width + frame.cx, client.height + frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PreviewPictureWindow::FitCanvasToClient() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  canvas_->SetBounds(0, 0, client.right, client.bottom);
}

void PreviewPictureWindow::OnTimerTick() {
  ProgramState& state = program_.State();
  SetWindowOnTop(hwnd_, true);
  canvas_->SetBounds(0, 0, canvas_->Width(), canvas_->Height());
  std::string caption;
  if (LoadRequestedPicture(caption)) SetWindowTextGbk(hwnd_, caption);
  const SIZE picture = canvas_->PictureSize();
  FitClientTo(picture.cx, picture.cy);
  FitCanvasToClient();
  SetWindowOnTop(hwnd_, false);
  SetWindowPos(hwnd_, nullptr, kShownLeft, kShownTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  state.picturePreviewFlag = false;
  state.previewSource = PreviewSource::kShown;
  ready_ = true;
  KillTimer(hwnd_, kLayoutTimer);
}

void PreviewPictureWindow::ApplyMinimumTrackSize(MINMAXINFO& info) const {
  const Size client = MinimumClient(WindowDpi(hwnd_));
  RECT minimum{0, 0, client.width, client.height};
  AdjustWindowRectEx(&minimum, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
  info.ptMinTrackSize.x = minimum.right - minimum.left;
  info.ptMinTrackSize.y = minimum.bottom - minimum.top;
}

LRESULT PreviewPictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kLayoutTimer) OnTimerTick();
      return 0;
    case WM_SIZE:
      if (ready_ && canvas_) FitCanvasToClient();
      return 0;
    case WM_GETMINMAXINFO:
      ApplyMinimumTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
