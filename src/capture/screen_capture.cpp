#include "capture/screen_capture.h"

#include <windows.h>

#include <cstring>
#include <new>

#include "capture/bmp_image.h"
#include "platform/gdi.h"

namespace corvanta {

namespace {

struct DisplaySettings {
  int64_t width = 0;
  int64_t height = 0;
  int depth = 0;
};

DisplaySettings CurrentDisplay() {
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return {};
  return {mode.dmPelsWidth, mode.dmPelsHeight, static_cast<int>(mode.dmBitsPerPel)};
}

// The info header and palette of the image, copied to a buffer aligned as BITMAPINFO must be (in the
// file image they start at byte 14).
std::vector<uint32_t> AlignedBitmapInfo(const std::vector<uint8_t>& image, const BmpLayout& layout) {
  const size_t bytes = layout.pixelOffset - kBmpFileHeaderBytes;
  std::vector<uint32_t> info((bytes + 3) / 4);
  std::memcpy(info.data(), image.data() + kBmpFileHeaderBytes, bytes);
  return info;
}

// Screen pixels into the pixel area of the image; false when the screen could not be copied (no device
// context or no memory for the bitmap), rather than a picture of nothing.
bool CopyScreenPixels(std::vector<uint8_t>& image, const BmpLayout& layout, int left, int top) {
  const std::vector<uint32_t> info = AlignedBitmapInfo(image, layout);
  ScopedWindowDC screen(nullptr);
  ScopedMemoryDC memory(screen.Get());
  if (screen.Get() == nullptr || memory.Get() == nullptr) return false;
  void* bits = nullptr;
  ScopedBitmap section(CreateDIBSection(screen.Get(), reinterpret_cast<const BITMAPINFO*>(info.data()),
                                        DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || bits == nullptr) return false;
  {
    ScopedSelect select(memory.Get(), section.Get());
    if (!BitBlt(memory.Get(), 0, 0, layout.width, layout.height, screen.Get(), left, top, SRCCOPY)) return false;
    GdiFlush();
  }
  std::memcpy(image.data() + layout.pixelOffset, bits, layout.pixelBytes);
  return true;
}

}  // namespace

std::vector<uint8_t> CaptureRegion(int left, int top, int width, int height, int depth) {
  const DisplaySettings display = CurrentDisplay();
  if (depth == 0) depth = display.depth;
  if (!IsSupportedDepth(depth)) return NoImage();
  const int64_t fullWidth = width == 0 ? display.width - left : width;
  const int64_t fullHeight = height == 0 ? display.height - top : height;
  const std::optional<BmpLayout> layout = LayOutBmp(fullWidth, fullHeight, depth);
  if (!layout) return NoImage();
  // Up to 512 MiB: a 32-bit process may not find that much in one piece.
  try {
    std::vector<uint8_t> image = NewBmpImage(*layout);
    if (!CopyScreenPixels(image, *layout, left, top)) return NoImage();
    return image;
  } catch (const std::bad_alloc&) {
    return NoImage();
  }
}

}  // namespace corvanta
