// Timed runs under Wine: one scan-region screenshot at 32 bpp, split into its steps (screen capture,
// PNG encoding, writing the file) for a 1920 x 1080 and a 3840 x 2160 region. The region shows a busy
// picture (gradients with noise), so the encoder has real work. Prints figures; not a test.
//
// Run it on a display of at least 3840 x 2160 for the large region to be real screen pixels.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "capture/image_encoder.h"
#include "capture/screen_capture.h"
#include "platform/files.h"
#include "platform/gdiplus_session.h"
#include "../tests/wine/temp_program_dir.h"
#include "wine_bench_common.h"

namespace {

using corvanta::bench::Milliseconds;

double Now() {
  LARGE_INTEGER zero{}, now;
  QueryPerformanceCounter(&now);
  return Milliseconds(zero, now);
}

// A top-down 32-bpp picture: colour gradients with noise in the low bits.
std::vector<uint32_t> BusyPicture(int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const uint32_t noise = (seed >> 24) & 0x1F;
      const uint32_t red = ((x * 255 / width) ^ noise) & 0xFF;
      const uint32_t green = ((y * 255 / height) + noise) & 0xFF;
      const uint32_t blue = ((x + y) / 8 % 2 ? 200 : 40) + noise;
      pixels[static_cast<size_t>(y) * width + x] = red << 16 | green << 8 | blue;
    }
  }
  return pixels;
}

class PictureWindow {
 public:
  PictureWindow(int width, int height) : width_(width), height_(height), pixels_(BusyPicture(width, height)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PictureWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvantaCaptureBenchPicture";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, width, height,
                            nullptr, nullptr, wc.hInstance, this);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
  }
  ~PictureWindow() { DestroyWindow(hwnd_); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<PictureWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_PAINT && self != nullptr) {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      BITMAPINFO info{};
      info.bmiHeader = {sizeof(BITMAPINFOHEADER), self->width_, -self->height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      SetDIBitsToDevice(dc, 0, 0, self->width_, self->height_, 0, 0, 0, self->height_, self->pixels_.data(), &info,
                        DIB_RGB_COLORS);
      EndPaint(hwnd, &paint);
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
  HWND hwnd_ = nullptr;
};

struct Figures {
  std::vector<double> capture, encode, write, total;
};

void Report(const char* step, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  printf("  %-28s min %8.2f ms, median %8.2f ms, max %8.2f ms\n", step, times.front(), times[times.size() / 2],
         times.back());
}

void Measure(const corvanta::testing::TempProgramDir& dir, int width, int height, int runs) {
  PictureWindow picture(width, height);
  corvanta::testing::PumpMessages(200);
  Figures figures;
  size_t pngBytes = 0;
  for (int run = 0; run < runs; ++run) {
    const double start = Now();
    const std::vector<uint8_t> bmp = corvanta::CaptureRegion(0, 0, width, height, 32);
    const double captured = Now();
    const std::optional<std::vector<uint8_t>> png = corvanta::ConvertImage(bmp, corvanta::ImageFormat::kPng);
    const double encoded = Now();
    if (!png) {
      printf("PNG encoding failed\n");
      return;
    }
    corvanta::WriteWholeFile(dir.Path() + "\\shot" + std::to_string(run) + ".png", *png);
    const double written = Now();
    pngBytes = png->size();
    figures.capture.push_back(captured - start);
    figures.encode.push_back(encoded - captured);
    figures.write.push_back(written - encoded);
    figures.total.push_back(written - start);
  }
  printf("scan-region screenshot %d x %d at 32 bpp (screen %d x %d), PNG of %zu bytes, %d runs:\n", width, height,
         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), pngBytes, runs);
  Report("capture", figures.capture);
  Report("PNG encode", figures.encode);
  Report("write", figures.write);
  Report("capture + encode + write", figures.total);
}

}  // namespace

int main() {
  corvanta::GdiplusSession gdiplus;
  corvanta::testing::TempProgramDir dir;
  Measure(dir, 1920, 1080, 7);
  Measure(dir, 3840, 2160, 5);
  return 0;
}
