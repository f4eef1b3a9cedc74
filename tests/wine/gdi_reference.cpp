#include "gdi_reference.h"

#include "overlay/grid.h"

namespace corvanta::testing {

namespace {

int GdiPenStyle(int lineType) {
  switch (lineType) {
    case 2:
      return PS_DASH;
    case 3:
      return PS_DOT;
    case 4:
      return PS_DASHDOT;
    case 5:
      return PS_DASHDOTDOT;
    default:
      return PS_SOLID;
  }
}

}  // namespace

ReferenceImage GdiGridReference(const Scanlines& scanlines, int width, int height, COLORREF background) {
  ReferenceImage image{width, height, {}};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  if (scanlines.lineType != LineType::kNone) {
    SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = scanlines.colour;
    const int penWidth = scanlines.grid.pixelSize;
    HPEN pen = penWidth <= 1 ? CreatePen(GdiPenStyle(static_cast<int>(scanlines.lineType)), 0, colour)
                             : CreatePen(PS_SOLID, penWidth, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    ForEachGridSegment(scanlines.grid, width, height, [&](const Segment& s) {
      MoveToEx(dc, s.x1, s.y1, nullptr);
      LineTo(dc, s.x2, s.y2);
    });
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }
  GdiFlush();
  const auto* source = static_cast<const uint32_t*>(bits);
  image.pixels.resize(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const uint32_t p = source[i];  // 0x00RRGGBB in a DIB
    image.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return image;
}

}  // namespace corvanta::testing
