// A retained drawing surface inside a child window: a background (a colour, and over it an optional
// picture laid out by a placement), a pen, and the lines drawn with it, kept in a 32-bpp top-down
// DIB section until the next clear and painted on WM_PAINT. Created visible, white, with a one-pixel
// solid black pen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "overlay/canvas_pixels.h"
#include "overlay/line_batch.h"
#include "overlay/pen_stroke.h"
#include "platform/dib_reserve.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

// Wider pens always go through GDI.
inline constexpr int kMaxWrittenPenWidth = 16;

class DrawCanvas : public WindowBase<DrawCanvas> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaDrawCanvas";

  ~DrawCanvas() override;

  bool Create(HWND parent, HINSTANCE instance, int x, int y, int width, int height);
  // Moves the window; a new size gives a new surface showing the background.
  void SetBounds(int x, int y, int width, int height);
  // As SetBounds, keeping the position.
  void SetSize(int width, int height);
  void Show(bool visible);
  // The next surface this canvas needs beyond the one it has comes out of the reserve when the reserve
  // holds it and is at most four times its size; the reserve must outlive the canvas or that surface.
  void DrawNextSurfaceFrom(DibReserve* reserve) { reserve_ = reserve; }

  int Width() const { return surface_.width; }
  int Height() const { return surface_.height; }
  // The size of the section behind the surface; smaller sizes reuse it.
  SIZE Capacity() const { return SIZE{surface_.capacityWidth, surface_.capacityHeight}; }

  // The background colour and the placement take effect at the next clear or picture change.
  void SetBackgroundColour(uint32_t colour);
  void SetPlacement(Placement placement);
  // Decodes the picture file bytes (PNG, BMP) and repaints the whole canvas with the new background.
  // Unreadable bytes leave no picture (the background colour alone). Returns whether it decoded.
  bool SetPicture(const std::vector<unsigned char>& fileBytes);
  // Repaints the whole canvas with the background colour when a picture was set.
  void RemovePicture();
  bool HasPicture() const { return picture_.has_value(); }
  // Natural size of the picture; 0 x 0 without one.
  SIZE PictureSize() const;

  // Widths up to 1 draw one-pixel lines; wider pens are solid with round ends. Only the low 8 bits of
  // each colour component count.
  void SetPen(LineType lineType, int width, uint32_t colour);

  void Clear();
  void Clear(const RECT& rect);
  // Start point drawn, end point not; zero-length segments draw nothing; clipped at the edges.
  void DrawLine(int x1, int y1, int x2, int y2);

  // Lines that run horizontally, vertically or at 45 degrees (any pen up to a width of
  // kMaxWrittenPenWidth) and full clears are collected and written into the surface in one pass when
  // its pixels are needed (painting, PixelAt, other drawing); Flush does it now.
  void Flush();

  // The colour at a point (COLORREF), CLR_INVALID outside the surface.
  uint32_t PixelAt(int x, int y);

 protected:
  DrawCanvas() = default;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The DIB section selected into its own memory DC; members are released in reverse order. The
  // canvas is its top-left width x height; a canvas that shrinks keeps the section, so that sizing it
  // again up to the section's size finds memory that is already in place (touching fresh memory for
  // the first time costs more than drawing the whole grid).
  struct Surface {
    ScopedBitmap bitmap;
    std::unique_ptr<ScopedMemoryDC> memoryDC;
    std::unique_ptr<ScopedSelect> selection;
    HDC dc = nullptr;
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int capacityWidth = 0;  // the section's size
    int capacityHeight = 0;
  };

  void ResizeSurface(int width, int height);
  void CreateSurface(int width, int height, int capacityWidth, int capacityHeight);
  void ReleaseSurface();
  PixelView View() const {
    return PixelView{surface_.bits, surface_.width, surface_.height, surface_.capacityWidth};
  }
  void ClipGdiToCanvas();
  void RebuildBackground();
  void FillWithBackground(int64_t left, int64_t top, int64_t right, int64_t bottom);
  bool AddToBatch(int x1, int y1, int x2, int y2);
  const DashPattern* PenDashPattern();
  const StrokeModel* PenStroke(int ux, int uy);
  void DrawWithGdi(int x1, int y1, int x2, int y2);
  HPEN GdiPen();
  void DropGdiPen();
  int GdiPenWidth() const;
  void FinishGdi();
  void MarkChanged();
  void Paint();

  Surface surface_;
  DibReserve* reserve_ = nullptr;
  uint32_t backgroundPixel_ = 0xFFFFFF;
  Placement placement_ = Placement::kTopLeft;
  std::optional<PixelImage> picture_;
  std::vector<uint32_t> background_;  // the composed background while a picture is set
  LineBatch pendingLines_;
  bool batchPatternSet_ = false;  // the batch holds the current pen's dash pattern
  bool fillPending_ = false;  // a full clear not yet written into the surface
  uint32_t fillPixel_ = 0xFFFFFF;  // the background colour at that clear

  LineType penStyle_ = LineType::kSolid;
  int penWidth_ = 1;
  uint32_t penColour_ = 0;
  ScopedPen gdiPen_;
  std::unique_ptr<ScopedSelect> penSelection_;  // declared after the pen: deselected before it is deleted
  bool gdiPending_ = false;
  bool repaintPending_ = false;
};

}  // namespace corvanta
