#include "capture/image_encoder.h"

#include <windows.h>
#include <objidl.h>  // PROPID, which the lean Windows headers leave out
#include <gdiplus.h>

#include <cstring>
#include <new>

#include "capture/indexed_image.h"
#include "platform/gdiplus_session.h"
#include "platform/text_conv.h"

namespace corvanta {

namespace {

using namespace Gdiplus::DllExports;

class ScopedStream {
 public:
  ScopedStream() = default;
  ~ScopedStream() {
    if (stream_ != nullptr) stream_->Release();
  }
  ScopedStream(const ScopedStream&) = delete;
  ScopedStream& operator=(const ScopedStream&) = delete;
  IStream** Out() { return &stream_; }
  IStream* Get() const { return stream_; }

 private:
  IStream* stream_ = nullptr;
};

class ScopedGpImage {
 public:
  ScopedGpImage() = default;
  ~ScopedGpImage() {
    if (image_ != nullptr) GdipDisposeImage(image_);
  }
  ScopedGpImage(const ScopedGpImage&) = delete;
  ScopedGpImage& operator=(const ScopedGpImage&) = delete;
  Gdiplus::GpBitmap** Out() { return &image_; }
  Gdiplus::GpBitmap* Get() const { return image_; }

 private:
  Gdiplus::GpBitmap* image_ = nullptr;
};

// A stream over a copy of the bytes in a fixed global block, which the stream frees.
bool OpenInputStream(std::span<const uint8_t> bytes, ScopedStream& stream) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, bytes.size());
  if (block == nullptr) return false;
  std::memcpy(static_cast<void*>(block), bytes.data(), bytes.size());
  if (CreateStreamOnHGlobal(block, TRUE, stream.Out()) == S_OK) return true;
  GlobalFree(block);
  return false;
}

// The bytes written to a memory stream: the stream's own size, not the size of its block, which the
// platform may have rounded up.
std::optional<std::vector<uint8_t>> WrittenBytes(IStream* stream) {
  STATSTG status{};
  HGLOBAL block = nullptr;
  if (stream->Stat(&status, STATFLAG_NONAME) != S_OK || GetHGlobalFromStream(stream, &block) != S_OK) {
    return std::nullopt;
  }
  const size_t size = static_cast<size_t>(status.cbSize.QuadPart);
  if (size > GlobalSize(block)) return std::nullopt;
  std::vector<uint8_t> bytes(size);  // before the lock: an allocation that fails leaves nothing locked
  const void* data = GlobalLock(block);
  if (data == nullptr) return std::nullopt;
  std::memcpy(bytes.data(), data, size);
  GlobalUnlock(block);
  return bytes;
}

std::optional<std::vector<uint8_t>> Encode(std::span<const uint8_t> bmp, ImageFormat format) {
  CLSID encoder{};
  if (CLSIDFromString(ToWide(EncoderClsidText(format)).c_str(), &encoder) != S_OK) return std::nullopt;
  ScopedStream input;
  if (!OpenInputStream(bmp, input)) return std::nullopt;
  ScopedGpImage image;
  if (GdipCreateBitmapFromStream(input.Get(), image.Out()) != Gdiplus::Ok || image.Get() == nullptr) {
    return std::nullopt;
  }
  ScopedStream output;
  if (CreateStreamOnHGlobal(nullptr, TRUE, output.Out()) != S_OK) return std::nullopt;
  if (GdipSaveImageToStream(image.Get(), output.Get(), &encoder, nullptr) != Gdiplus::Ok) return std::nullopt;
  return WrittenBytes(output.Get());
}

std::optional<std::vector<uint8_t>> Convert(std::span<const uint8_t> bmp, ImageFormat format) {
  std::optional<std::vector<uint8_t>> indexed;
  if (format == ImageFormat::kGif) {
    indexed = ToIndexed8(bmp);
    if (!indexed) return std::nullopt;
    bmp = *indexed;
  }
  const GdiplusSession session;
  if (!session.Started()) return std::nullopt;
  std::optional<std::vector<uint8_t>> encoded = Encode(bmp, format);
  if (!encoded || !LooksLikeEncodedImage(format, *encoded)) return std::nullopt;
  return encoded;
}

}  // namespace

std::optional<std::vector<uint8_t>> ConvertImage(std::span<const uint8_t> bmp, ImageFormat format) {
  if (IsNoImage(bmp)) return std::nullopt;
  // The indexed copy and the encoded file of a large capture may not fit a 32-bit process.
  try {
    return Convert(bmp, format);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace corvanta
