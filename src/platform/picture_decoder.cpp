#include "platform/picture_decoder.h"

#include <windows.h>
#include <objidl.h>  // PROPID, which the lean Windows headers leave out
#include <gdiplus.h>

#include <cstring>

namespace corvanta {

namespace {

using namespace Gdiplus::DllExports;

// A read-only IStream over a copy of the bytes in global memory.
class MemoryStream {
 public:
  explicit MemoryStream(const std::vector<unsigned char>& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) return;
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, bytes.data(), bytes.size());
      GlobalUnlock(memory);
      if (CreateStreamOnHGlobal(memory, TRUE, &stream_) == S_OK) return;
    }
    GlobalFree(memory);
    stream_ = nullptr;
  }
  ~MemoryStream() {
    if (stream_ != nullptr) stream_->Release();
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  IStream* Get() const { return stream_; }

 private:
  IStream* stream_ = nullptr;
};

class ScopedGpBitmap {
 public:
  ScopedGpBitmap() = default;
  ~ScopedGpBitmap() {
    if (bitmap_ != nullptr) GdipDisposeImage(bitmap_);
  }
  ScopedGpBitmap(const ScopedGpBitmap&) = delete;
  ScopedGpBitmap& operator=(const ScopedGpBitmap&) = delete;
  Gdiplus::GpBitmap** Out() { return &bitmap_; }
  Gdiplus::GpBitmap* Get() const { return bitmap_; }

 private:
  Gdiplus::GpBitmap* bitmap_ = nullptr;
};

bool CopyPixels(Gdiplus::GpBitmap* bitmap, PixelImage& image) {
  Gdiplus::GpRect rect(0, 0, image.width, image.height);
  Gdiplus::BitmapData data{};
  if (GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
    return false;
  }
  image.argb.resize(static_cast<size_t>(image.width) * image.height);
  const auto* source = static_cast<const unsigned char*>(data.Scan0);
  for (int32_t y = 0; y < image.height; ++y) {
    std::memcpy(image.argb.data() + static_cast<size_t>(y) * image.width,
                source + static_cast<ptrdiff_t>(y) * data.Stride, static_cast<size_t>(image.width) * 4);
  }
  GdipBitmapUnlockBits(bitmap, &data);
  return true;
}

}  // namespace

std::optional<PixelImage> DecodePicture(const std::vector<unsigned char>& bytes) {
  if (bytes.empty()) return std::nullopt;
  MemoryStream stream(bytes);
  if (stream.Get() == nullptr) return std::nullopt;
  ScopedGpBitmap bitmap;
  if (GdipCreateBitmapFromStream(stream.Get(), bitmap.Out()) != Gdiplus::Ok || bitmap.Get() == nullptr) {
    return std::nullopt;
  }
  UINT width = 0;
  UINT height = 0;
  if (GdipGetImageWidth(bitmap.Get(), &width) != Gdiplus::Ok ||
      GdipGetImageHeight(bitmap.Get(), &height) != Gdiplus::Ok) {
    return std::nullopt;
  }
  if (width == 0 || height == 0 || static_cast<int64_t>(width) * height > kMaxPicturePixels) return std::nullopt;
  PixelImage image;
  image.width = static_cast<int32_t>(width);
  image.height = static_cast<int32_t>(height);
  if (!CopyPixels(bitmap.Get(), image)) return std::nullopt;
  return image;
}

}  // namespace corvanta
