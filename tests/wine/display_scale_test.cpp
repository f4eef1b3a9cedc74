// Display scaling: the start screen is laid out in design units scaled by the window's DPI, while the
// overlay keeps to physical pixels. The Dpi144 suite runs in a Wine prefix whose LogPixels is 144.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/start_screen_layout.h"
#include "effects/effect_list.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "platform/dpi.h"
#include "platform/text_conv.h"
#include "region/smart_attach.h"
#include "gdi_reference.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::ColumnTitle;
using testing::PumpUntil;
using testing::TestProgram;
using testing::WindowRect;

constexpr const char* kPresetIni =
    "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=12\r\nColorG=6\r\n"
    "ColorB=2\r\n[ScanlineTransversespacing]\r\nTransverse=5\r\n[ScanlineVerticalspacing]\r\nVertical=9\r\n"
    "[ScanlineObliquespacing]\r\nOblique=0\r\n[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n";

constexpr ControlId kTextControls[] = {ControlId::kCustomModeCheckbox, ControlId::kPictureModeCheckbox,
                                       ControlId::kMixedModeCheckbox,  ControlId::kTopmostCheckbox,
                                       ControlId::kRegionButton,       ControlId::kAttachButton,
                                       ControlId::kSuiteButton};

SIZE TextExtent(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size;
}

// The start screen at 144 DPI for three client areas: the design numbers scaled by one and a half, the
// controls on the right and at the bottom kept to the client area's edges.
const StartScreenLayout kStartScreen1102x744At144{
    .customModeCheckbox = {23, 14, 237, 60}, .pictureModeCheckbox = {267, 14, 204, 60},
    .mixedModeCheckbox = {471, 14, 204, 60}, .topmostCheckbox = {958, 14, 144, 60},
    .strengthSwatch = {23, 89, 87, 87}, .strengthSlider = {114, 89, 964, 87},
    .attachButton = {875, 648, 204, 72}, .regionButton = {661, 648, 204, 72},
    .suiteButton = {23, 648, 296, 72}, .effectList = {23, 180, 1057, 456},
    .columnWidths = std::array<int, 3>{84, 790, 135}};
const StartScreenLayout kStartScreen1100x733At144{
    .customModeCheckbox = {23, 14, 237, 60}, .pictureModeCheckbox = {267, 14, 204, 60},
    .mixedModeCheckbox = {471, 14, 204, 60}, .topmostCheckbox = {956, 14, 144, 60},
    .strengthSwatch = {23, 89, 87, 87}, .strengthSlider = {114, 89, 962, 87},
    .attachButton = {873, 637, 204, 72}, .regionButton = {659, 637, 204, 72},
    .suiteButton = {23, 637, 296, 72}, .effectList = {23, 180, 1055, 445},
    .columnWidths = std::array<int, 3>{84, 788, 135}};
const StartScreenLayout kStartScreen872x520At144{
    .customModeCheckbox = {23, 14, 237, 60}, .pictureModeCheckbox = {267, 14, 204, 60},
    .mixedModeCheckbox = {471, 14, 204, 60}, .topmostCheckbox = {728, 14, 144, 60},
    .strengthSwatch = {23, 89, 87, 87}, .strengthSlider = {114, 89, 734, 87},
    .attachButton = {645, 424, 204, 72}, .regionButton = {431, 424, 204, 72},
    .suiteButton = {23, 424, 296, 72}, .effectList = {23, 180, 827, 232},
    .columnWidths = std::array<int, 3>{84, 560, 135}};

// Every control where the layout puts it, and every text fits its control at the DPI.
void ExpectStartScreenLaidOut(MainWindow& main, const StartScreenLayout& layout, int dpi) {
  testing::ExpectControlsAt(main, layout);
  HWND list = main.Control(ControlId::kEffectList);
  for (int column = 0; column < 3; ++column) {
    EXPECT_EQ(ListView_GetColumnWidth(list, column), (*layout.columnWidths)[column]) << column;
  }
  // A checkbox needs room for its box beside the text (20 pixels at 96 DPI); a header needs its margins (12).
  const int box = 20 * dpi / 96;
  for (ControlId id : kTextControls) {
    HWND control = main.Control(id);
    const std::wstring text = ToWide(testing::WindowText(control));
    const RECT r = testing::ChildRect(control);
    EXPECT_LE(TextExtent(control, text).cx + box, r.right - r.left) << FromWide(text) << " is cut";
    EXPECT_LE(TextExtent(control, text).cy, r.bottom - r.top) << FromWide(text);
  }
  const std::wstring number = ColumnTitle(list, 0);
  EXPECT_EQ(FromWide(number), "序号");
  EXPECT_LE(TextExtent(list, number).cx + 12 * dpi / 96, ListView_GetColumnWidth(list, 0)) << "序号 is cut";
}

// At 96 DPI a DPI change message (the window moved to a 150 % monitor) scales fonts and layout.
TEST(DisplayScaleTest, DpiChangeTakesTheSuggestedRectangleAndLaysOutAgain) {
  TestProgram program;
  program.Start();
  MainWindow& main = program.Main();
  ASSERT_EQ(main.Dpi(), 96);
  ExpectStartScreenLaidOut(main, testing::kStartScreenAt96, 96);
  const LONG fontAt96 = [&] {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(main.Control(ControlId::kSuiteButton), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    return font.lfHeight;
  }();
  const RECT suggested{60, 70, 60 + 1110, 70 + 771};
  SendMessageW(main.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(main.Dpi(), 144);
  const RECT now = WindowRect(main.Hwnd());
  EXPECT_TRUE(EqualRect(&now, &suggested));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(main.Control(ControlId::kSuiteButton), WM_GETFONT, 0, 0)),
             sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, fontAt96 * 3 / 2);
  ExpectStartScreenLaidOut(main, kStartScreen1102x744At144, 144);
  // The minimum size follows the new DPI.
  SetWindowPos(main.Hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT shrunk = WindowRect(main.Hwnd());
  EXPECT_EQ(shrunk.right - shrunk.left, 882);
  EXPECT_EQ(shrunk.bottom - shrunk.top, 558);
}

class Dpi144Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SystemDpi(), 144) << "run this suite in a Wine prefix whose LogPixels is 144";
  }
};

TEST_F(Dpi144Test, FreshStartIsTheDesignScaledByOneAndAHalf) {
  TestProgram program;
  program.Start();
  MainWindow& main = program.Main();
  EXPECT_EQ(WindowDpi(main.Hwnd()), 144);
  EXPECT_EQ(main.Dpi(), 144);
  const RECT window = WindowRect(main.Hwnd());
  EXPECT_EQ(window.left, 75);
  EXPECT_EQ(window.top, 75);
  EXPECT_EQ(window.right - window.left, 1110);  // 740 x 514 at 96 DPI
  EXPECT_EQ(window.bottom - window.top, 771);
  ExpectStartScreenLaidOut(main, kStartScreen1100x733At144, 144);
}

TEST_F(Dpi144Test, AConfigWrittenAt96DpiStartsAtLeastAtTheScaledMinimum) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nTC=12\r\nW=600\r\nH=400\r\nL=40\r\nT=45\r\n");
  program.Start();
  const RECT window = WindowRect(program.Hwnd());
  EXPECT_EQ(window.left, 40);  // positions stay physical
  EXPECT_EQ(window.right - window.left, 882);
  EXPECT_EQ(window.bottom - window.top, 558);
  ExpectStartScreenLaidOut(program.Main(), kStartScreen872x520At144, 144);
  program.Stop();
  EXPECT_NE(program.ConfigFile().find("W=882"), std::string::npos);  // saved as the physical size
}

TEST_F(Dpi144Test, ALockedOverlayDrawsOnePixelLinesOnThePhysicalRectangle) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nAlpha=120\r\nTop=1\r\nTC=12\r\n");
  program.dir.MakeFolder("\\Effect");
  program.dir.MakeFolder("\\Effect\\C");
  program.dir.WriteFile("\\Effect\\C\\a.ini", kPresetIni);
  program.Start();
  ASSERT_TRUE(PumpUntil([&] { return program.Main().List().RowCount() == 1; }));
  testing::TargetWindow target(900, 200, 401, 301);
  const RECT wanted = WindowRect(target.Hwnd());
  SetCursorPos(1100, 350);
  program.app->Modes().AttachRequested();
  ASSERT_TRUE(PumpUntil([&] {
    const RECT m = WindowRect(program.Hwnd());
    return EqualRect(&m, &wanted) != FALSE;
  }));
  testing::PressKey(program.Hwnd(), 'A');
  ASSERT_EQ(program.app->ModeState().locked, LockedState::kLocked);
  const RECT overlay = WindowRect(program.Hwnd());
  EXPECT_TRUE(EqualRect(&overlay, &wanted));
  DrawCanvas& canvas = program.Main().Canvas();
  ASSERT_EQ(canvas.Width(), 401);
  ASSERT_EQ(canvas.Height(), 301);
  const Preset preset = ReadPreset(program.app->Settings(), program.dir.PathOf("\\Effect\\C\\a.ini"));
  const testing::ReferenceImage reference = testing::GdiGridReference(ScanlinesOf(preset), 401, 301, RGB(208, 222, 227));
  int differences = 0;
  for (int y = 0; y < 301; ++y) {
    for (int x = 0; x < 401; ++x) differences += canvas.PixelAt(x, y) != reference.At(x, y);
  }
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(canvas.PixelAt(0, 5), RGB(12, 6, 2));  // transverse spacing 5: rows 0, 5, 10, ...
  EXPECT_EQ(canvas.PixelAt(1, 6), RGB(208, 222, 227));
}

}  // namespace
}  // namespace corvanta
