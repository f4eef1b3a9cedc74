#include "effects/preview_picture_window.h"

#include "app/app.h"
#include "app/main_window.h"
#include "effects/effect_list_text.h"
#include "overlay/draw_canvas.h"
#include "platform/file_enum.h"
#include "settings/paths.h"

namespace corvanta {

namespace {

constexpr UINT_PTR kLayoutTimer = 1;
constexpr UINT kLayoutDelay = 30;
constexpr int kShownLeft = 50;
constexpr int kShownTop = 50;
constexpr int32_t kPreviewSourceAfterShow = 2;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr const char* kScreenshotFolder = "\\images\\";

SIZE FrameOf(HWND hwnd) {
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  return SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

}  // namespace

PreviewPictureWindow::PreviewPictureWindow(App& app, std::function<std::string()> selectedName)
    : app_(app), selectedName_(std::move(selectedName)) {}

PreviewPictureWindow::~PreviewPictureWindow() = default;

bool PreviewPictureWindow::Open() {
  WNDCLASSEXA wc{};
  wc.hInstance = app_.Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(app_.Instance(), MAKEINTRESOURCEA(1));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterOnce(wc, kClassName);
  RECT initial{0, 0, kPreviewMinClientWidth, kPreviewMinClientHeight};
  AdjustWindowRectEx(&initial, kStyle, FALSE, 0);
  CreateWindowExA(0, kClassName, kInitialCaption, kStyle, GetSystemMetrics(SM_CXSCREEN) + 100,
                  GetSystemMetrics(SM_CYSCREEN) + 100, initial.right - initial.left, initial.bottom - initial.top,
                  nullptr, nullptr, app_.Instance(), this);
  if (hwnd_ == nullptr) return false;
  canvas_ = std::make_unique<DrawCanvas>();
  canvas_->Create(hwnd_, app_.Instance(), 0, 0, kPreviewMinClientWidth, kPreviewMinClientHeight);
  RestartTimer();
  return true;
}

void PreviewPictureWindow::RestartTimer() {
  if (hwnd_ != nullptr) SetTimer(hwnd_, kLayoutTimer, kLayoutDelay, nullptr);
}

bool PreviewPictureWindow::LoadRequestedPicture(std::string& caption) {
  ProgramState& state = app_.State();
  const std::string& programDir = app_.Settings().ProgramDir();
  std::string path;
  if (state.picturePreviewFlag) {
    const std::string name = selectedName_();
    path = programDir + paths::kPictureFolder + "\\" + name;
    canvas_->SetPicture(ReadWholeFile(path));
    const SIZE size = canvas_->PictureSize();
    caption = PicturePreviewCaption(name, size.cx, size.cy);
    return true;
  }
  if (app_.Main().GetMenus().IsChecked(MenuId::kAutoPreview)) {
    path = programDir + kScreenshotFolder + state.lastScreenshotName;
    canvas_->SetPicture(ReadWholeFile(path));
    caption = path;
    return true;
  }
  return false;
}

void PreviewPictureWindow::FitClientTo(int width, int height) {
  const ClientSize client = PreviewClientSize(width, height);
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
  ProgramState& state = app_.State();
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  canvas_->SetBounds(0, 0, canvas_->Width(), canvas_->Height());
  std::string caption;
  if (LoadRequestedPicture(caption)) SetWindowTextA(hwnd_, caption.c_str());
  const SIZE picture = canvas_->PictureSize();
  FitClientTo(picture.cx, picture.cy);
  FitCanvasToClient();
  SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(hwnd_, nullptr, kShownLeft, kShownTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  state.picturePreviewFlag = false;
  state.previewSource = kPreviewSourceAfterShow;
  ready_ = true;
  KillTimer(hwnd_, kLayoutTimer);
}

void PreviewPictureWindow::ApplyMinimumTrackSize(MINMAXINFO& info) const {
  RECT minimum{0, 0, kPreviewMinClientWidth, kPreviewMinClientHeight};
  AdjustWindowRectEx(&minimum, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
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
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

}  // namespace corvanta
