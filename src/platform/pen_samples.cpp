#include "platform/pen_samples.h"

#include "platform/gdi.h"

namespace corvanta {

namespace {

PixelMask DrawOneLine(HPEN pen, int32_t width, int32_t height, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  PixelMask mask{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height, 0)};
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(width, height, &bits));
  ScopedMemoryDC dc(nullptr);
  if (!bitmap || bits == nullptr || dc.Get() == nullptr || pen == nullptr) return mask;
  ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
  ScopedSelect selectPen(dc.Get(), pen);
  SetBkMode(dc.Get(), TRANSPARENT);
  MoveToEx(dc.Get(), x1, y1, nullptr);
  LineTo(dc.Get(), x2, y2);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);  // a new DIB section starts all zero
  for (size_t i = 0; i < mask.cells.size(); ++i) mask.cells[i] = (pixels[i] & 0xFFFFFFu) != 0 ? 1 : 0;
  return mask;
}

}  // namespace

std::vector<uint8_t> SampleStyledRow(int penStyle, int32_t length) {
  ScopedPen pen(CreatePen(penStyle, 0, RGB(255, 255, 255)));
  return DrawOneLine(pen.Get(), length, 1, 0, 0, length, 0).cells;
}

PixelMask SampleWideLine(int32_t penWidth, const StrokeFrame& frame) {
  ScopedPen pen(CreatePen(PS_SOLID, penWidth, RGB(255, 255, 255)));
  return DrawOneLine(pen.Get(), frame.width, frame.height, frame.startX, frame.startY, frame.endX, frame.endY);
}

}  // namespace corvanta
