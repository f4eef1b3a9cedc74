// The drawing canvas and the renderer on it, checked through the canvas's own pixels.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/grid.h"
#include "overlay/render.h"
#include "temp_program_dir.h"
#include "test_pictures.h"

namespace corvanta {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(12, 6, 2);
constexpr COLORREF kKey = RGB(208, 222, 227);

// A hidden top-level window that carries the canvas under test.
class CanvasHost {
 public:
  CanvasHost() {
    host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
  }
  ~CanvasHost() { DestroyWindow(host_); }
  CanvasHost(const CanvasHost&) = delete;
  CanvasHost& operator=(const CanvasHost&) = delete;
  HWND Hwnd() const { return host_; }

 private:
  HWND host_;
};

class DrawCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(canvas_.Create(host_.Hwnd(), GetModuleHandleA(nullptr), 0, 0, 10, 7));
  }
  // One text row per canvas row: '#' for the ink colour, '.' for the background, '?' for anything else.
  std::vector<std::string> Picture(COLORREF ink, COLORREF background) {
    std::vector<std::string> rows;
    for (int y = 0; y < canvas_.Height(); ++y) {
      std::string row;
      for (int x = 0; x < canvas_.Width(); ++x) {
        const uint32_t c = canvas_.PixelAt(x, y);
        row += c == ink ? '#' : (c == background ? '.' : '?');
      }
      rows.push_back(row);
    }
    return rows;
  }
  std::vector<uint32_t> AllPixels() {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < canvas_.Height(); ++y) {
      for (int x = 0; x < canvas_.Width(); ++x) pixels.push_back(canvas_.PixelAt(x, y));
    }
    return pixels;
  }
  int CountColour(COLORREF colour) {
    int n = 0;
    for (uint32_t c : AllPixels()) n += c == colour;
    return n;
  }

  CanvasHost host_;
  OwnedWindow<DrawCanvas> canvas_;
};

// The scanlines of a preset drawn in kInk.
Scanlines GridPreset(int32_t lineType, int32_t pixelSize, int32_t t, int32_t v, int32_t o, int32_t k) {
  return ScanlinesOf(Preset{lineType, pixelSize, 12, 6, 2, t, v, o, k});
}

TEST_F(DrawCanvasTest, WorkedExampleWithAOnePixelPenGivesExactlyItsSegments) {
  canvas_.SetBackgroundColour(kWhite);
  canvas_.SetPen(LineType::kSolid, 1, kInk);
  canvas_.Clear();
  DrawGrid(canvas_, 10, 7, GridPreset(1, 2, 3, 4, 5, 5).grid);
  const std::vector<std::string> expected = {
      "##########",  //
      "#..##...##",  //
      "#..##...##",  //
      "##########",  //
      "##..#.#.#.",  //
      "#.#.##.##.",  //
      "##########",
  };
  EXPECT_EQ(Picture(kInk, kWhite), expected);
}

// The same lines drawn by GDI itself with a one-pixel solid pen on a DIB section of the same size.
std::vector<uint32_t> GdiPixels(int w, int h, COLORREF background, COLORREF ink, const std::vector<Segment>& lines,
                                int penWidth = 1) {
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(w, h, &bits));
  ScopedMemoryDC dc(nullptr);
  ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
  ScopedBrush brush(CreateSolidBrush(background));
  RECT all{0, 0, w, h};
  FillRect(dc.Get(), &all, brush.Get());
  ScopedPen pen(CreatePen(PS_SOLID, penWidth, ink));
  ScopedSelect selectPen(dc.Get(), pen.Get());
  for (const Segment& s : lines) {
    MoveToEx(dc.Get(), s.x1, s.y1, nullptr);
    LineTo(dc.Get(), s.x2, s.y2);
  }
  GdiFlush();
  std::vector<uint32_t> pixels;
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < w * h; ++i) {
    const uint32_t v = p[i];
    pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
  }
  return pixels;
}

TEST_F(DrawCanvasTest, OnePixelSolidLinesAreGdisOwnPixels) {
  const int w = 97;
  const int h = 61;
  std::vector<Segment> lines;
  for (const Scanlines& p : {GridPreset(1, 1, 3, 4, 3, 5), GridPreset(1, 1, 7, 2, 2, 2), GridPreset(1, 3, 1, 9, 11, 4)}) {
    const auto grid = GridSegments(p.grid, w, h);
    lines.insert(lines.end(), grid.begin(), grid.end());
  }
  std::mt19937 random(4242);
  std::uniform_int_distribution<int> coordinate(-150, 250);
  for (int i = 0; i < 400; ++i) {
    Segment s{coordinate(random), coordinate(random), 0, 0};
    const int length = coordinate(random) - 50;
    switch (i % 5) {
      case 0: s.x2 = s.x1 + length; s.y2 = s.y1; break;
      case 1: s.x2 = s.x1; s.y2 = s.y1 + length; break;
      case 2: s.x2 = s.x1 + length; s.y2 = s.y1 + length; break;
      case 3: s.x2 = s.x1 - length; s.y2 = s.y1 + length; break;
      default: s.x2 = coordinate(random); s.y2 = coordinate(random); break;  // any slope: GDI draws it
    }
    lines.push_back(s);
  }
  const std::vector<uint32_t> expected = GdiPixels(w, h, kKey, kInk, lines);
  for (const int lineType : {1, 6, 9, -3}) {  // solid, inside-frame and two unknown types
    for (const int width : {0, 1, -4}) {
      canvas_.SetBounds(0, 0, w, h);
      canvas_.SetBackgroundColour(kKey);
      canvas_.SetPen(static_cast<LineType>(lineType), width, kInk);
      canvas_.Clear();
      for (const Segment& s : lines) canvas_.DrawLine(s.x1, s.y1, s.x2, s.y2);
      EXPECT_EQ(AllPixels(), expected) << "line type " << lineType << ", width " << width;
    }
  }
}

TEST_F(DrawCanvasTest, WiderPensDrawTheGridAsGdiDoes) {
  const int w = 97;
  const int h = 61;
  for (const int width : {2, 3, 5}) {
    const Scanlines p = GridPreset(1, width, 6, 7, 5, 9);
    const std::vector<Segment> grid = GridSegments(p.grid, w, h);
    PrepareCanvas(canvas_, w, h, p);
    DrawGrid(canvas_, w, h, p.grid);
    EXPECT_EQ(AllPixels(), GdiPixels(w, h, kKey, kInk, grid, width)) << "width " << width;
  }
}

TEST_F(DrawCanvasTest, WiderPensAreSolidWithRoundEnds) {
  canvas_.SetBounds(0, 0, 60, 40);
  canvas_.SetBackgroundColour(kWhite);
  for (const int lineType : {1, 2, 3, 5}) {  // solid, dash, dot, dash-dot-dot
    canvas_.SetPen(static_cast<LineType>(lineType), 3, kInk);
    canvas_.Clear();
    canvas_.DrawLine(10, 20, 50, 20);
    for (int x = 12; x <= 48; ++x) {
      ASSERT_EQ(canvas_.PixelAt(x, 19), kInk) << "type " << lineType << " x " << x;
      ASSERT_EQ(canvas_.PixelAt(x, 20), kInk) << "type " << lineType << " x " << x;
      ASSERT_EQ(canvas_.PixelAt(x, 21), kInk) << "type " << lineType << " x " << x;
      ASSERT_EQ(canvas_.PixelAt(x, 17), kWhite) << "type " << lineType << " x " << x;
      ASSERT_EQ(canvas_.PixelAt(x, 23), kWhite) << "type " << lineType << " x " << x;
    }
  }
  // A nine-pixel pen: the end reaches past the end point along the line (no flat end) but not into
  // the corners (no square end).
  canvas_.SetPen(LineType::kSolid, 9, kInk);
  canvas_.Clear();
  canvas_.DrawLine(20, 20, 40, 20);
  EXPECT_EQ(canvas_.PixelAt(17, 20), kInk);
  EXPECT_EQ(canvas_.PixelAt(43, 20), kInk);
  EXPECT_EQ(canvas_.PixelAt(16, 16), kWhite);
  EXPECT_EQ(canvas_.PixelAt(44, 24), kWhite);
}

TEST_F(DrawCanvasTest, OnePixelDashedStylesLeaveGaps) {
  canvas_.SetBounds(0, 0, 200, 10);
  canvas_.SetBackgroundColour(kWhite);
  for (const int lineType : {2, 3, 4, 5}) {  // dash, dot, dash-dot, dash-dot-dot
    canvas_.SetPen(static_cast<LineType>(lineType), 1, kInk);
    canvas_.Clear();
    canvas_.DrawLine(0, 5, 200, 5);
    int ink = 0;
    for (int x = 0; x < 200; ++x) ink += canvas_.PixelAt(x, 5) == kInk;
    EXPECT_GT(ink, 40) << lineType;
    EXPECT_LT(ink, 190) << lineType;
    EXPECT_EQ(CountColour(kInk), ink) << lineType;  // nothing off the line, gaps not painted
  }
}

TEST_F(DrawCanvasTest, LineTypeZeroAndZeroLengthSegmentsDrawNothing) {
  canvas_.SetBounds(0, 0, 30, 30);
  canvas_.SetBackgroundColour(kWhite);
  canvas_.Clear();
  for (const int width : {0, 1, 5}) {
    canvas_.SetPen(LineType::kNone, width, kInk);
    canvas_.DrawLine(0, 0, 29, 29);
    canvas_.DrawLine(0, 10, 30, 10);
    canvas_.DrawLine(0, 0, 7, 19);
  }
  canvas_.SetPen(LineType::kSolid, 1, kInk);
  canvas_.DrawLine(5, 5, 5, 5);
  canvas_.SetPen(LineType::kSolid, 6, kInk);
  canvas_.DrawLine(15, 15, 15, 15);
  EXPECT_EQ(CountColour(kWhite), 900);
  const Scanlines none = GridPreset(0, 3, 1, 1, 2, 2);
  PrepareCanvas(canvas_, 30, 30, none);
  DrawGrid(canvas_, 30, 30, none.grid);
  EXPECT_EQ(CountColour(kKey), 900);
}

TEST_F(DrawCanvasTest, ClearingAndResizingShowTheBackground) {
  canvas_.SetBounds(0, 0, 20, 10);
  canvas_.SetBackgroundColour(kKey);
  canvas_.SetPen(LineType::kSolid, 1, kInk);
  canvas_.Clear();
  for (int y = 0; y < 10; ++y) canvas_.DrawLine(0, y, 20, y);
  EXPECT_EQ(CountColour(kInk), 200);
  canvas_.Clear(RECT{5, 2, 8, 4});
  EXPECT_EQ(CountColour(kKey), 6);
  EXPECT_EQ(canvas_.PixelAt(5, 2), kKey);
  EXPECT_EQ(canvas_.PixelAt(8, 2), kInk);
  canvas_.SetBounds(0, 0, 20, 10);  // same size: the drawing stays
  EXPECT_EQ(CountColour(kInk), 194);
  canvas_.SetSize(25, 12);
  EXPECT_EQ(canvas_.Width(), 25);
  EXPECT_EQ(CountColour(kKey), 300);
  // A clear made before the background colour changes keeps the old colour, also under lines drawn
  // after the change.
  canvas_.Clear();
  canvas_.SetBackgroundColour(kWhite);
  canvas_.DrawLine(0, 11, 25, 11);
  EXPECT_EQ(CountColour(kKey), 275);
  EXPECT_EQ(CountColour(kInk), 25);
  canvas_.Clear();
  EXPECT_EQ(CountColour(kWhite), 300);
  EXPECT_EQ(canvas_.PixelAt(25, 0), CLR_INVALID);
  EXPECT_EQ(canvas_.PixelAt(-1, 0), CLR_INVALID);
}

TEST_F(DrawCanvasTest, PenColourKeepsTheLowEightBitsOfEachComponent) {
  canvas_.SetBounds(0, 0, 10, 10);
  canvas_.SetBackgroundColour(kWhite);
  canvas_.Clear();
  SetScanlinePen(canvas_, ScanlinesOf(Preset{1, 1, 300, 256, -1, 3, 0, 0, 0}));
  canvas_.DrawLine(0, 0, 10, 0);
  EXPECT_EQ(canvas_.PixelAt(3, 0), RGB(44, 0, 255));
}

// --- pictures --------------------------------------------------------------------------------------

COLORREF PictureColour(int x, int y) { return RGB(20 + x * 20, 30 + y * 25, 100); }

// A 24-bit bottom-up BMP file of the given size with PictureColour at each pixel.
std::vector<unsigned char> MakeBmp(int w, int h) {
  const std::string bmp = testing::BmpFile(w, h, &PictureColour);
  return std::vector<unsigned char>(bmp.begin(), bmp.end());
}

// The same picture re-encoded as PNG with the GDI+ encoder.
std::vector<unsigned char> MakePng(int w, int h) {
  using namespace Gdiplus::DllExports;
  const std::vector<unsigned char> bmp = MakeBmp(w, h);
  std::vector<unsigned char> png;
  IStream* in = nullptr;
  IStream* out = nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bmp.size());
  memcpy(GlobalLock(memory), bmp.data(), bmp.size());
  GlobalUnlock(memory);
  CreateStreamOnHGlobal(memory, TRUE, &in);
  CreateStreamOnHGlobal(nullptr, TRUE, &out);
  Gdiplus::GpBitmap* image = nullptr;
  CLSID pngEncoder{};
  CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &pngEncoder);
  if (GdipCreateBitmapFromStream(in, &image) == Gdiplus::Ok &&
      GdipSaveImageToStream(image, out, &pngEncoder, nullptr) == Gdiplus::Ok) {
    HGLOBAL result = nullptr;
    GetHGlobalFromStream(out, &result);
    const auto* data = static_cast<const unsigned char*>(GlobalLock(result));
    png.assign(data, data + GlobalSize(result));
    GlobalUnlock(result);
  }
  if (image != nullptr) GdipDisposeImage(image);
  out->Release();
  in->Release();
  return png;
}

struct PictureCase {
  const char* format;
  const char* signature;
  std::vector<unsigned char> (*make)(int, int);
};

class PicturePlacementTest : public DrawCanvasTest, public ::testing::WithParamInterface<PictureCase> {
 protected:
  std::vector<unsigned char> Make(int w, int h) { return GetParam().make(w, h); }
};

TEST_P(PicturePlacementTest, EachPlacementCodePutsThePictureWhereSpecified) {
  const std::vector<unsigned char> small = Make(3, 2);
  ASSERT_GT(small.size(), 8u);
  ASSERT_EQ(std::string(small.begin(), small.begin() + 4).find(GetParam().signature), 0u);
  canvas_.SetBounds(0, 0, 8, 6);
  canvas_.SetBackgroundColour(kKey);

  struct Expectation {
    Placement placement;
    COLORREF (*at)(int x, int y);
  } expectations[] = {
      {Placement::kTopLeft, [](int x, int y) { return x < 3 && y < 2 ? PictureColour(x, y) : kKey; }},
      {static_cast<Placement>(7), [](int x, int y) { return x < 3 && y < 2 ? PictureColour(x, y) : kKey; }},
      {Placement::kCentred,
       [](int x, int y) { return x >= 2 && x < 5 && y >= 2 && y < 4 ? PictureColour(x - 2, y - 2) : kKey; }},
      {Placement::kTiled, [](int x, int y) { return PictureColour(x % 3, y % 2); }},
  };
  for (const Expectation& e : expectations) {
    canvas_.SetPlacement(e.placement);
    ASSERT_TRUE(canvas_.SetPicture(small));
    EXPECT_EQ(canvas_.PictureSize().cx, 3);
    EXPECT_EQ(canvas_.PictureSize().cy, 2);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(canvas_.PixelAt(x, y), e.at(x, y)) << "placement " << static_cast<int>(e.placement) << " at " << x << "," << y;
      }
    }
  }
  // Stretched: the picture covers the whole canvas, its corners at the corners.
  canvas_.SetPlacement(Placement::kStretched);
  ASSERT_TRUE(canvas_.SetPicture(small));
  EXPECT_EQ(CountColour(kKey), 0);
  EXPECT_EQ(canvas_.PixelAt(0, 0), PictureColour(0, 0));
  EXPECT_EQ(canvas_.PixelAt(7, 5), PictureColour(2, 1));
  EXPECT_EQ(canvas_.PixelAt(7, 0), PictureColour(2, 0));

  // Centred and larger than the canvas: offsets (8 - 12) / 2 = -2 and (6 - 9) / 2 = -1 (toward zero).
  canvas_.SetPlacement(Placement::kCentred);
  ASSERT_TRUE(canvas_.SetPicture(Make(12, 9)));
  EXPECT_EQ(canvas_.PixelAt(0, 0), PictureColour(2, 1));
  EXPECT_EQ(canvas_.PixelAt(7, 5), PictureColour(9, 6));
}

TEST_P(PicturePlacementTest, LinesGoOverThePictureAndClearingRestoresIt) {
  canvas_.SetBounds(0, 0, 8, 6);
  canvas_.SetBackgroundColour(kKey);
  canvas_.SetPlacement(Placement::kTopLeft);
  ASSERT_TRUE(canvas_.SetPicture(Make(3, 2)));
  canvas_.SetPen(LineType::kSolid, 1, kInk);
  canvas_.DrawLine(0, 1, 8, 1);
  EXPECT_EQ(canvas_.PixelAt(1, 1), kInk);
  EXPECT_EQ(canvas_.PixelAt(1, 0), PictureColour(1, 0));
  canvas_.Clear(RECT{0, 0, 1, 6});
  EXPECT_EQ(canvas_.PixelAt(0, 1), PictureColour(0, 1));
  EXPECT_EQ(canvas_.PixelAt(1, 1), kInk);
  canvas_.Clear();
  EXPECT_EQ(canvas_.PixelAt(1, 1), PictureColour(1, 1));
  EXPECT_EQ(canvas_.PixelAt(5, 1), kKey);
  canvas_.RemovePicture();
  EXPECT_FALSE(canvas_.HasPicture());
  EXPECT_EQ(CountColour(kKey), 48);
}

INSTANTIATE_TEST_SUITE_P(Formats, PicturePlacementTest,
                         ::testing::Values(PictureCase{"BMP", "BM", &MakeBmp},
                                           PictureCase{"PNG", "\x89PNG", &MakePng}),
                         [](const ::testing::TestParamInfo<PictureCase>& info) { return info.param.format; });

TEST_F(DrawCanvasTest, UnreadablePicturesLeaveTheBackgroundColour) {
  canvas_.SetBounds(0, 0, 8, 6);
  canvas_.SetBackgroundColour(kKey);
  canvas_.SetPlacement(Placement::kTiled);
  std::vector<unsigned char> truncatedPng = MakePng(3, 2);
  truncatedPng.resize(20);
  std::vector<unsigned char> badBmp = MakeBmp(3, 2);
  badBmp.resize(30);
  const std::vector<std::vector<unsigned char>> unreadable = {
      {}, {'B', 'M'}, badBmp, truncatedPng, std::vector<unsigned char>(500, 0xAB)};
  for (size_t i = 0; i < unreadable.size(); ++i) {
    ASSERT_TRUE(canvas_.SetPicture(MakeBmp(3, 2)));
    EXPECT_FALSE(canvas_.SetPicture(unreadable[i])) << i;
    EXPECT_FALSE(canvas_.HasPicture()) << i;
    EXPECT_EQ(canvas_.PictureSize().cx, 0) << i;
    EXPECT_EQ(CountColour(kKey), 48) << i;
  }
}

// --- rendering for a display mode --------------------------------------------------------------------

class RenderTest : public DrawCanvasTest {
 protected:
  void SetUp() override {
    DrawCanvasTest::SetUp();
    dir_.MakeFolder("\\P");
    const std::vector<unsigned char> bmp = MakeBmp(4, 3);
    dir_.WriteFile("\\P\\pic.bmp", std::string(bmp.begin(), bmp.end()));
  }
  RenderRequest Request(DisplayMode mode, const char* picture = "\\P\\pic.bmp",
                        Placement placement = Placement::kCentred) {
    return RenderRequest{mode, GridPreset(1, 1, 5, 0, 0, 0), dir_.PathOf(picture), placement};
  }
  testing::TempProgramDir dir_;
};

TEST_F(RenderTest, CustomModePreparesTheCanvasAndDrawsTheGrid) {
  canvas_.SetBounds(7, 9, 3, 3);
  canvas_.Show(false);
  canvas_.SetPen(LineType::kDash, 4, RGB(1, 2, 3));
  RenderDisplayMode(canvas_, 20, 12, Request(DisplayMode::kCustom));
  RECT r{};
  GetWindowRect(canvas_.Hwnd(), &r);
  MapWindowPoints(nullptr, host_.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 20);
  EXPECT_EQ(r.bottom, 12);
  EXPECT_TRUE(GetWindowLongA(canvas_.Hwnd(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(canvas_.Width(), 20);
  for (int y = 0; y < 12; ++y) EXPECT_EQ(canvas_.PixelAt(3, y), (y % 5 == 0) ? kInk : kKey) << y;
  EXPECT_EQ(CountColour(kInk), 60);
}

TEST_F(RenderTest, PictureModeShowsThePictureWithoutGrid) {
  RenderDisplayMode(canvas_, 8, 5, Request(DisplayMode::kPicture));
  EXPECT_EQ(canvas_.PixelAt(2, 1), PictureColour(0, 0));
  EXPECT_EQ(canvas_.PixelAt(5, 3), PictureColour(3, 2));
  EXPECT_EQ(canvas_.PixelAt(0, 0), kKey);
  EXPECT_EQ(CountColour(kInk), 0);
}

TEST_F(RenderTest, MixedModeDrawsTheGridOverThePicture) {
  RenderDisplayMode(canvas_, 8, 5, Request(DisplayMode::kMixed, "\\P\\pic.bmp", Placement::kTiled));
  EXPECT_EQ(canvas_.PixelAt(1, 0), kInk);
  EXPECT_EQ(canvas_.PixelAt(1, 1), PictureColour(1, 1));
  EXPECT_EQ(canvas_.PixelAt(5, 2), PictureColour(1, 2));
  EXPECT_EQ(canvas_.PixelAt(6, 3), PictureColour(2, 0));
}

TEST_F(RenderTest, NoModeOrAMissingPictureShowsTheBackgroundOnly) {
  RenderDisplayMode(canvas_, 8, 5, Request(DisplayMode::kNone));
  EXPECT_EQ(CountColour(kKey), 40);
  RenderDisplayMode(canvas_, 8, 5, Request(DisplayMode::kPicture, "\\P\\missing.png"));
  EXPECT_EQ(CountColour(kKey), 40);
  RenderDisplayMode(canvas_, 8, 5, Request(DisplayMode::kMixed, "\\P\\missing.png"));
  EXPECT_EQ(CountColour(kInk), 8);
  EXPECT_EQ(CountColour(kKey), 32);
}

TEST_F(RenderTest, RedrawAfterResizeKeepsPositionAndPen) {
  RenderDisplayMode(canvas_, 8, 5, Request(DisplayMode::kMixed, "\\P\\pic.bmp", Placement::kTopLeft));
  canvas_.SetBounds(2, 3, 8, 5);
  RenderRequest request = Request(DisplayMode::kMixed, "\\P\\pic.bmp", Placement::kTopLeft);
  request.scanlines.colour = RGB(200, 6, 2);  // not applied: the pen of the lock stays
  RedrawDisplayMode(canvas_, 15, 11, request);
  RECT r{};
  GetWindowRect(canvas_.Hwnd(), &r);
  MapWindowPoints(nullptr, host_.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 3);
  EXPECT_EQ(r.right - r.left, 15);
  EXPECT_EQ(canvas_.Height(), 11);
  EXPECT_EQ(canvas_.PixelAt(14, 10), kInk);  // transverse lines at y = 0, 5, 10
  EXPECT_EQ(canvas_.PixelAt(1, 1), PictureColour(1, 1));
  EXPECT_EQ(canvas_.PixelAt(12, 7), kKey);
}

TEST_F(DrawCanvasTest, PaintingShowsTheSurfaceInTheWindow) {
  SetWindowPos(host_.Hwnd(), HWND_TOPMOST, 0, 0, 100, 80, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  canvas_.SetBounds(0, 0, 100, 80);
  canvas_.SetBackgroundColour(kKey);
  canvas_.SetPen(LineType::kSolid, 1, kInk);
  canvas_.Clear();
  canvas_.DrawLine(0, 40, 100, 40);
  UpdateWindow(canvas_.Hwnd());
  HDC dc = GetDC(canvas_.Hwnd());
  EXPECT_EQ(GetPixel(dc, 50, 40), kInk);
  EXPECT_EQ(GetPixel(dc, 50, 41), kKey);
  ReleaseDC(canvas_.Hwnd(), dc);
}

}  // namespace
}  // namespace corvanta
