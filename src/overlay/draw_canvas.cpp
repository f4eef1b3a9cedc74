#include "overlay/draw_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/controls.h"
#include "overlay/pen_samples.h"
#include "platform/picture_decoder.h"

namespace corvanta {

namespace {

// GDI gets no coordinates beyond this; lines reaching further are first cut to the canvas (plus the pen).
constexpr int64_t kGdiCoordinateLimit = int64_t{1} << 20;

bool IsDashStyle(LineType lineType) {
  return lineType == LineType::kDash || lineType == LineType::kDot || lineType == LineType::kDashDot ||
         lineType == LineType::kDashDotDot;
}

int GdiDashStyle(LineType lineType) {
  switch (lineType) {
    case LineType::kDash:
      return PS_DASH;
    case LineType::kDot:
      return PS_DOT;
    case LineType::kDashDot:
      return PS_DASHDOT;
    case LineType::kDashDotDot:
      return PS_DASHDOTDOT;
    default:
      return PS_SOLID;
  }
}

int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

bool IsStraight(int x1, int y1, int x2, int y2) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  return dx == 0 || dy == 0 || dx == dy || dx == -dy;
}

// Liang-Barsky: cuts the segment to the box; false when nothing of it lies inside.
bool ClipToBox(double& x1, double& y1, double& x2, double& y2, double left, double top, double right, double bottom) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
  double t0 = 0.0;
  double t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, r);
    } else {
      t1 = std::min(t1, r);
    }
  }
  if (t0 > t1) return false;
  x2 = x1 + t1 * dx;
  y2 = y1 + t1 * dy;
  x1 = x1 + t0 * dx;
  y1 = y1 + t0 * dy;
  return true;
}

}  // namespace

DrawCanvas::~DrawCanvas() { ReleaseSurface(); }

bool DrawCanvas::Create(HWND parent, HINSTANCE instance, int x, int y, int width, int height) {
  WNDCLASSEXW wc{};
  wc.hInstance = instance;
  wc.hCursor = ArrowCursor();
  if (!RegisterOnce(wc, kClassName)) return false;
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (!CreateOwnWindow(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width, height, parent,
                       instance)) {
    return false;
  }
  ResizeSurface(width, height);
  return true;
}

void DrawCanvas::SetBounds(int x, int y, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (hwnd_ != nullptr) SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  ResizeSurface(width, height);
}

void DrawCanvas::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (hwnd_ != nullptr) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  ResizeSurface(width, height);
}

void DrawCanvas::Show(bool visible) {
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
  repaintPending_ = false;
}

void DrawCanvas::ResizeSurface(int width, int height) {
  if (surface_.bits != nullptr && width == surface_.width && height == surface_.height) return;
  if (surface_.bits != nullptr && width > 0 && height > 0 && width <= surface_.capacityWidth &&
      height <= surface_.capacityHeight) {
    DropGdiPen();  // a wide pen's width is capped by the canvas size
    FinishGdi();
    surface_.width = width;
    surface_.height = height;
  } else {
    const int capacityWidth = std::max(width, surface_.capacityWidth);
    const int capacityHeight = std::max(height, surface_.capacityHeight);
    ReleaseSurface();
    if (width > 0 && height > 0) CreateSurface(width, height, capacityWidth, capacityHeight);
  }
  ClipGdiToCanvas();
  pendingLines_.Reset(surface_.width, surface_.height);
  RebuildBackground();
  fillPending_ = surface_.bits != nullptr;
  fillPixel_ = backgroundPixel_;
  MarkChanged();
}

void DrawCanvas::CreateSurface(int width, int height, int capacityWidth, int capacityHeight) {
  // A reserve many times larger than the surface (a small window on a large screen) is left alone:
  // fresh memory for a small surface costs little, and the large one is given back with the selection.
  constexpr int64_t kLargestReserveShare = 4;
  std::optional<DibSection> reserved;
  if (reserve_ != nullptr) {
    const SIZE reserveSize = reserve_->Size();
    if (int64_t{reserveSize.cx} * reserveSize.cy <= kLargestReserveShare * capacityWidth * capacityHeight) {
      reserved = reserve_->Take(capacityWidth, capacityHeight);
      reserve_ = nullptr;
    }
  }
  DibSection section = reserved ? std::move(*reserved) : MakeDibSection(capacityWidth, capacityHeight);
  if (section.bitmap) surface_.memoryDC = std::make_unique<ScopedMemoryDC>(nullptr);
  if (!surface_.memoryDC || surface_.memoryDC->Get() == nullptr) {
    surface_ = Surface{};
    return;
  }
  surface_.bitmap = std::move(section.bitmap);
  surface_.dc = surface_.memoryDC->Get();
  surface_.selection = std::make_unique<ScopedSelect>(surface_.dc, surface_.bitmap.Get());
  SetBkMode(surface_.dc, TRANSPARENT);  // the gaps of dashed lines show what lies beneath
  surface_.bits = section.bits;
  surface_.width = width;
  surface_.height = height;
  surface_.capacityWidth = section.width;
  surface_.capacityHeight = section.height;
}

void DrawCanvas::ClipGdiToCanvas() {
  if (surface_.dc == nullptr) return;
  ScopedRegion canvas(CreateRectRgn(0, 0, surface_.width, surface_.height));
  SelectClipRgn(surface_.dc, canvas.Get());  // the DC keeps a copy
}

void DrawCanvas::ReleaseSurface() {
  DropGdiPen();  // the pen lives in the surface's DC; a wide pen's width is capped by the surface size
  surface_.selection.reset();
  surface_.memoryDC.reset();
  surface_.bitmap.Reset();
  surface_ = Surface{};
  gdiPending_ = false;
  fillPending_ = false;
  pendingLines_.Reset(0, 0);
}

void DrawCanvas::SetBackgroundColour(uint32_t colour) {
  const uint32_t pixel = ColourToPixel(colour & 0xFFFFFFu);
  if (pixel == backgroundPixel_) return;
  // A clear made before the change shows the old background: its colour is kept with it, and a
  // background picture, which is laid over the colour, is written out first.
  if (fillPending_ && picture_) Flush();
  backgroundPixel_ = pixel;
  if (picture_) RebuildBackground();
}

void DrawCanvas::SetPlacement(Placement placement) {
  if (placement == placement_) return;
  if (fillPending_ && picture_) Flush();
  placement_ = placement;
  if (picture_) RebuildBackground();
}

bool DrawCanvas::SetPicture(const std::vector<unsigned char>& fileBytes) {
  picture_ = DecodePicture(fileBytes);
  RebuildBackground();
  Clear();
  return picture_.has_value();
}

void DrawCanvas::RemovePicture() {
  if (!picture_) return;
  picture_.reset();
  RebuildBackground();
  Clear();
}

SIZE DrawCanvas::PictureSize() const {
  if (!picture_) return SIZE{0, 0};
  return SIZE{picture_->width, picture_->height};
}

void DrawCanvas::RebuildBackground() {
  if (!picture_ || surface_.bits == nullptr) {
    std::vector<uint32_t>().swap(background_);
    return;
  }
  background_.resize(static_cast<size_t>(surface_.width) * surface_.height);
  ComposeBackground(PixelView{background_.data(), surface_.width, surface_.height}, backgroundPixel_, *picture_,
                    placement_);
}

void DrawCanvas::FillWithBackground(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  if (surface_.bits == nullptr) return;
  FinishGdi();
  if (background_.empty()) {
    FillPixels(View(), left, top, right, bottom, backgroundPixel_);
    return;
  }
  left = std::max<int64_t>(left, 0);
  top = std::max<int64_t>(top, 0);
  right = std::min<int64_t>(right, surface_.width);
  bottom = std::min<int64_t>(bottom, surface_.height);
  if (left >= right) return;
  for (int64_t y = top; y < bottom; ++y) {
    std::memcpy(surface_.bits + static_cast<size_t>(y * surface_.capacityWidth + left),
                background_.data() + static_cast<size_t>(y * surface_.width + left),
                static_cast<size_t>(right - left) * 4);
  }
}

void DrawCanvas::SetPen(LineType lineType, int width, uint32_t colour) {
  colour &= 0xFFFFFFu;
  width = lineType == LineType::kNone ? 0 : width;
  if (lineType == penStyle_ && width == penWidth_ && colour == penColour_) return;
  if (!pendingLines_.Empty()) Flush();  // collected lines keep their pen
  penStyle_ = lineType;
  penWidth_ = width;
  penColour_ = colour;
  batchPatternSet_ = false;
  DropGdiPen();
}

void DrawCanvas::Clear() {
  if (surface_.bits == nullptr) return;
  pendingLines_.Clear();
  fillPending_ = true;
  fillPixel_ = backgroundPixel_;
  MarkChanged();
}

void DrawCanvas::Clear(const RECT& rect) {
  if (rect.left <= 0 && rect.top <= 0 && rect.right >= surface_.width && rect.bottom >= surface_.height) {
    Clear();
    return;
  }
  Flush();
  FillWithBackground(rect.left, rect.top, rect.right, rect.bottom);
  MarkChanged();
}

void DrawCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  if (surface_.bits == nullptr || penStyle_ == LineType::kNone || (x1 == x2 && y1 == y2)) return;
  // The grid's directions: collected, then written straight into the surface pixel for pixel as GDI
  // draws them. Other slopes go through GDI.
  if (AddToBatch(x1, y1, x2, y2)) {
    MarkChanged();
    return;
  }
  DrawWithGdi(x1, y1, x2, y2);
}

bool DrawCanvas::AddToBatch(int x1, int y1, int x2, int y2) {
  if (!IsStraight(x1, y1, x2, y2)) return false;
  if (penWidth_ <= 1) {
    if (!batchPatternSet_) {
      const DashPattern* pattern = PenDashPattern();
      if (IsDashStyle(penStyle_) && pattern == nullptr) return false;
      pendingLines_.SetDashPattern(pattern != nullptr ? *pattern : DashPattern{});
      batchPatternSet_ = true;
    }
    return pendingLines_.Add(x1, y1, x2, y2);
  }
  const StrokeModel* model = PenStroke(Sign(x2 - x1), Sign(y2 - y1));
  return model != nullptr && pendingLines_.AddStroke(x1, y1, x2, y2, *model);
}

const DashPattern* DrawCanvas::PenDashPattern() {
  return IsDashStyle(penStyle_) ? LearntDashPattern(GdiDashStyle(penStyle_)) : nullptr;
}

const StrokeModel* DrawCanvas::PenStroke(int ux, int uy) {
  const int width = GdiPenWidth();
  return width <= kMaxWrittenPenWidth ? LearntStrokeModel(width, ux, uy) : nullptr;
}

void DrawCanvas::Flush() {
  if (surface_.bits == nullptr || (!fillPending_ && pendingLines_.Empty())) return;
  FinishGdi();
  const LineBatch::RowFill fill{fillPixel_, background_.empty() ? nullptr : background_.data()};
  pendingLines_.Draw(View(), ColourToPixel(penColour_), fillPending_ ? &fill : nullptr);
  fillPending_ = false;
}

void DrawCanvas::DrawWithGdi(int x1, int y1, int x2, int y2) {
  Flush();
  HPEN pen = GdiPen();
  if (pen == nullptr) return;
  const int64_t margin = static_cast<int64_t>(GdiPenWidth()) + 1;
  const int64_t w = surface_.width;
  const int64_t h = surface_.height;
  if (std::max(x1, x2) < -margin || std::min(x1, x2) > w + margin || std::max(y1, y2) < -margin ||
      std::min(y1, y2) > h + margin) {
    return;
  }
  // Wide lines of the grid's directions are cut to the canvas plus the pen first: GDI's work for them
  // grows with their length, and cut at whole pixels they stay the same line. Other lines keep their
  // own start point (and so their dash pattern and their slope's pixels) unless the coordinates are
  // out of GDI's comfortable range.
  auto outside = [](int v) { return v > kGdiCoordinateLimit || v < -kGdiCoordinateLimit; };
  if ((penWidth_ > 1 && IsStraight(x1, y1, x2, y2)) || outside(x1) || outside(y1) || outside(x2) || outside(y2)) {
    double a = x1, b = y1, c = x2, d = y2;
    const double m = static_cast<double>(margin);
    if (!ClipToBox(a, b, c, d, -m, -m, static_cast<double>(w) + m, static_cast<double>(h) + m)) return;
    x1 = static_cast<int>(std::lround(a));
    y1 = static_cast<int>(std::lround(b));
    x2 = static_cast<int>(std::lround(c));
    y2 = static_cast<int>(std::lround(d));
    if (x1 == x2 && y1 == y2) return;
  }
  MoveToEx(surface_.dc, x1, y1, nullptr);
  LineTo(surface_.dc, x2, y2);
  gdiPending_ = true;
  MarkChanged();
}

HPEN DrawCanvas::GdiPen() {
  if (!gdiPen_ && surface_.dc != nullptr) {
    if (penWidth_ <= 1) {
      gdiPen_.Reset(CreatePen(GdiDashStyle(penStyle_), 0, penColour_));
    } else {
      gdiPen_.Reset(CreatePen(PS_SOLID, GdiPenWidth(), penColour_));
    }
    if (gdiPen_) penSelection_ = std::make_unique<ScopedSelect>(surface_.dc, gdiPen_.Get());  // until it changes
  }
  return gdiPen_.Get();
}

void DrawCanvas::DropGdiPen() {
  penSelection_.reset();
  gdiPen_.Reset();
}

int DrawCanvas::GdiPenWidth() const {
  if (penWidth_ <= 1) return 1;
  // Widths from hand-edited presets are pinned to twice the canvas outline: such a pen already covers
  // the whole canvas from any segment that touches it, and GDI stays cheap.
  const int64_t cap = 2 * (static_cast<int64_t>(surface_.width) + surface_.height) + 2;
  return static_cast<int>(std::min<int64_t>(penWidth_, cap));
}

void DrawCanvas::FinishGdi() {
  if (!gdiPending_) return;
  GdiFlush();
  gdiPending_ = false;
}

uint32_t DrawCanvas::PixelAt(int x, int y) {
  if (surface_.bits == nullptr || x < 0 || y < 0 || x >= surface_.width || y >= surface_.height) return CLR_INVALID;
  Flush();
  FinishGdi();
  return PixelToColour(surface_.bits[static_cast<size_t>(y) * surface_.capacityWidth + x]);
}

void DrawCanvas::MarkChanged() {
  // One invalidation per batch of drawing: each InvalidateRect is a round trip to the window server.
  if (hwnd_ == nullptr || repaintPending_) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
  repaintPending_ = true;
}

void DrawCanvas::Paint() {
  ScopedPaint paint(hwnd_);
  repaintPending_ = false;
  if (paint.Get() == nullptr || surface_.dc == nullptr) return;
  Flush();
  FinishGdi();
  const RECT& area = paint.Area();
  BitBlt(paint.Get(), area.left, area.top, area.right - area.left, area.bottom - area.top, surface_.dc, area.left,
         area.top, SRCCOPY);
}

LRESULT DrawCanvas::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // mouse input belongs to the window that carries the canvas
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
