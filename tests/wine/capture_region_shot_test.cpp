// The custom-region screenshot's format window: what it captures when it opens, what a button saves,
// and what closing it without a choice leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "capture/bmp_image.h"
#include "capture/capture_exclusion.h"
#include "capture/region_screenshot.h"
#include "capture/region_shot_format_window.h"
#include "capture/screenshots.h"
#include "effects/effect_list.h"
#include "overlay/overlay_controller.h"
#include "region/custom_region.h"
#include "region/region_select_window.h"
#include "region/region_window.h"
#include "shell/win_rect.h"
#include "platform/files.h"
#include "platform/picture_decoder.h"
#include "message_box_answerer.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;
using testing::WhenShown;
using testing::WindowRect;

constexpr RECT kRegion{200, 150, 200 + 123, 150 + 77};

class RegionShotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_.Start();
    Menus().SetChecked(MenuId::kAutoOpenImages, false);
    Menus().SetChecked(MenuId::kAutoPreview, false);
  }
  corvanta::Menus& Menus() { return program_.Main().GetMenus(); }
  RegionShotSelection Selection() {
    return {.region =
                [this] {
                  ++regionReads_;
                  return region_;
                },
            .hideHint = [this] { ++hintsHidden_; },
            .windows =
                [this] {
                  ++windowListsRead_;
                  return std::vector<HWND>{};
                }};
  }
  size_t Shots() { return ListFiles(program_.dir.PathOf("\\Images\\*")).size(); }
  // "<-+自选区域截图+->", a rectangle dragged from (300, 200) to (450, 290) and a key: the format window
  // opens and `whileOpen` runs in it.
  void ConfirmADraggedRectangle(std::function<void(HWND)> whileOpen) {
    CustomRegion& region = program_.Main().Region();
    SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomRegionScreenshot), 0);
    ASSERT_NE(region.Surface(), nullptr);
    HWND surface = region.Surface()->Hwnd();
    SetCursorPos(300, 200);
    SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(PumpUntil([&] { return region.Selection().PressState() == RegionSelection::Press::kDragging; }));
    SetCursorPos(450, 290);
    ASSERT_TRUE(PumpUntil([&] { return region.Region()->Bounds() == Rect{300, 200, 150, 90}; }));
    SetCursorPos(460, 300);  // released outside the rectangle
    SendMessageW(surface, WM_LBUTTONUP, 0, 0);
    WhenShown open(RegionShotFormatWindow::kClassName, std::move(whileOpen));
    testing::PressKey(surface, 'K');
    EXPECT_TRUE(WhenShown::Ran());
  }
  bool MainTopmost() { return (GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

  TestProgram program_;
  RECT region_ = kRegion;
  int regionReads_ = 0;
  int hintsHidden_ = 0;
  int windowListsRead_ = 0;
};

TEST_F(RegionShotTest, OpensOnTopWithItsButtonsAndTheRegionCaptured) {
  OwnedWindow<RegionShotFormatWindow> format(*program_.app, program_.Main().Shots(), Selection());
  bool checked = false;
  WhenShown whileOpen(RegionShotFormatWindow::kClassName, [&](HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 330);
    EXPECT_EQ(client.bottom, 130);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(testing::WindowText(window), "选择图片格式：");
    const std::pair<int, const char*> buttons[] = {{101, "储存为BMP"}, {102, "储存为JPG"}, {103, "储存为GIF"},
                                                   {104, "储存为PNG"}};
    for (const auto& [id, text] : buttons) {
      HWND button = GetDlgItem(window, id);
      ASSERT_NE(button, nullptr) << text;
      EXPECT_EQ(testing::WindowText(button), text);
      EXPECT_EQ(WindowRect(button).right - WindowRect(button).left, 144);
    }
    EXPECT_FALSE(IsWindowEnabled(program_.Hwnd()));  // modal
    const std::optional<BmpHeader> pending = ReadBmpHeader(format.PendingImage());
    EXPECT_TRUE(pending && pending->layout.width == 123 && pending->layout.height == 77);
    EXPECT_EQ(hintsHidden_, 1);
    EXPECT_EQ(windowListsRead_, 1);
    checked = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  format.RunModal();
  EXPECT_TRUE(checked);
}

TEST_F(RegionShotTest, ClosingWithoutAChoiceSavesNothingButEndsTheSelection) {
  for (UINT closeBy : {UINT{WM_CLOSE}, UINT{WM_KEYDOWN}}) {
    SCOPED_TRACE(closeBy == WM_CLOSE ? "close box" : "Esc");
    program_.app->Modes().TopmostChosen(false);
    ConfirmADraggedRectangle([closeBy](HWND window) {
      if (closeBy == WM_CLOSE) {
        PostMessageW(window, WM_CLOSE, 0, 0);
      } else {
        PostMessageW(GetDlgItem(window, RegionShotFormatWindow::kBmpButton), WM_KEYDOWN, VK_ESCAPE, 0);
      }
    });
    EXPECT_EQ(Shots(), 0u);
    EXPECT_EQ(program_.Main().Region().Surface(), nullptr);
    EXPECT_EQ(program_.app->ModeState().selection, Selection::kNone);
    EXPECT_TRUE(MainTopmost()) << "the start screen ends always on top";
    EXPECT_TRUE(Menus().IsChecked(MenuId::kTopmost)) << "and its check mark says so";
    EXPECT_TRUE(IsWindowEnabled(program_.Hwnd()));
  }
}

TEST_F(RegionShotTest, AButtonSavesTheImageCapturedAtOpening) {
  Menus().SetChecked(MenuId::kAutoPreview, true);
  OwnedWindow<RegionShotFormatWindow> format(*program_.app, program_.Main().Shots(), Selection());
  WhenShown whileOpen(RegionShotFormatWindow::kClassName, [](HWND window) {
    SendMessageW(GetDlgItem(window, RegionShotFormatWindow::kGifButton), BM_CLICK, 0, 0);
  });
  format.RunModal();
  ASSERT_EQ(Shots(), 1u);
  const std::string name = program_.app->State().lastScreenshotName;
  EXPECT_EQ(name.substr(name.size() - 4), ".gif");
  const std::string file = program_.dir.ReadFile("\\Images\\" + name);
  const std::optional<PixelImage> decoded = DecodePicture(std::vector<unsigned char>(file.begin(), file.end()));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 123);
  EXPECT_EQ(decoded->height, 77);
  EXPECT_EQ(regionReads_, 1) << "captured once, when the window opened";
  EXPECT_EQ(FindWindowW(RegionShotFormatWindow::kClassName, nullptr), nullptr);
  EXPECT_EQ(program_.app->State().previewSource, PreviewSource::kScreenshot);  // the preview shows the shot
}

// 20000 x 20000 pixels are over the 512 MiB a capture may take: nothing is captured, and the button
// reports it instead of previewing a file that was never written; the screenshot ends all the same.
TEST_F(RegionShotTest, ACaptureOverTheBoundIsReportedAndTheWindowCloses) {
  Menus().SetChecked(MenuId::kAutoPreview, true);
  region_ = RECT{0, 0, 20000, 20000};
  testing::MessageBoxAnswerer answerer;
  OwnedWindow<RegionShotFormatWindow> format(*program_.app, program_.Main().Shots(), Selection());
  WhenShown whileOpen(RegionShotFormatWindow::kClassName, [](HWND window) {
    SendMessageW(GetDlgItem(window, RegionShotFormatWindow::kPngButton), BM_CLICK, 0, 0);
  });
  format.RunModal();
  EXPECT_EQ(answerer.boxes, (std::vector<testing::SeenMessageBox>{{"信息：", "保存截图失败！"}}));
  EXPECT_EQ(Shots(), 0u);
  EXPECT_EQ(program_.app->State().lastScreenshotName, "");
  EXPECT_EQ(program_.Main().List().PicturePreview(), nullptr);
  EXPECT_EQ(FindWindowW(RegionShotFormatWindow::kClassName, nullptr), nullptr);
}

TEST_F(RegionShotTest, TheConfirmationPutsTheStartScreenBackAtItsPlace) {
  SetWindowPos(program_.Hwnd(), nullptr, 60, 70, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
  for (bool includeSelf : {false, true}) {
    SCOPED_TRACE(includeSelf ? "#自选区域截取自身" : "without the main window");
    program_.app->Settings().SetConfig("Self", "Switch", includeSelf ? "1" : "0");
    bool shownAfterCapture = false;
    Rect placeWhileOpen;
    ConfirmADraggedRectangle([&](HWND window) {
      shownAfterCapture = IsWindowVisible(program_.Hwnd()) != FALSE;
      placeWhileOpen = RectOf(WindowRect(program_.Hwnd()));
      EXPECT_FALSE(program_.app->ModeState().RegionScreenshotFlag());
      EXPECT_TRUE(Menus().IsEnabled(MenuId::kProgramColours));
      PostMessageW(window, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(shownAfterCapture);
    EXPECT_EQ(placeWhileOpen, (Rect{60, 70, 640, 480}));
  }
}

// While the format window is open the selection windows take no input: a click on the surface and Enter
// on the region window leave the screenshot as it is, and only the format window ends it.
TEST_F(RegionShotTest, TheSelectionTakesNoInputWhileTheFormatWindowIsOpen) {
  ConfirmADraggedRectangle([&](HWND window) {
    CustomRegion& region = program_.Main().Region();
    EXPECT_FALSE(IsWindowEnabled(region.Surface()->Hwnd()));
    EXPECT_FALSE(IsWindowEnabled(region.Region()->Hwnd()));
    SendMessageW(region.Surface()->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(region.Surface()->Hwnd(), WM_LBUTTONUP, 0, 0);
    testing::PressKey(region.Region()->Hwnd(), VK_RETURN);
    testing::PressKey(region.Surface()->Hwnd(), VK_ESCAPE);
    SendMessageW(region.Region()->Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_.app->ModeState().selection, Selection::kShotFormat);
    EXPECT_EQ(program_.app->ModeState().locked, LockedState::kNotLocked);
    EXPECT_NE(region.Surface(), nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(program_.app->ModeState().selection, Selection::kNone);
  EXPECT_EQ(program_.app->ModeState().locked, LockedState::kNotLocked);
}

// A screenshot over a locked overlay gives it back as it was: its place and size, its drawing, no input,
// click-through and on top.
TEST_F(RegionShotTest, AShotOverALockedOverlayGivesItBackAsItWas) {
  for (bool includeSelf : {true, false}) {
    SCOPED_TRACE(includeSelf ? "#自选区域截取自身" : "without the main window");
    program_.app->Settings().SetConfig("Self", "Switch", includeSelf ? "1" : "0");
    program_.LockRegion(Rect{500, 400, 240, 160});
    ASSERT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
    const LONG exStyle = GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE);
    const uint32_t pixel = program_.Main().Canvas().PixelAt(5, 5);
    bool inPlaceWhileOpen = false;
    ConfirmADraggedRectangle([&](HWND window) {
      inPlaceWhileOpen = RectOf(WindowRect(program_.Hwnd())) == Rect{500, 400, 240, 160};
      PostMessageW(window, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(inPlaceWhileOpen);
    EXPECT_EQ(RectOf(WindowRect(program_.Hwnd())), (Rect{500, 400, 240, 160}));
    EXPECT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
    EXPECT_TRUE(IsWindowVisible(program_.Hwnd()));
    EXPECT_FALSE(IsWindowEnabled(program_.Hwnd()));
    EXPECT_EQ(GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE), exStyle);
    EXPECT_TRUE(MainTopmost());
    EXPECT_EQ(program_.Main().Canvas().PixelAt(5, 5), pixel);
    program_.app->Modes().ReturnRequested();
  }
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The whole road from the tray item over a white window: a dragged rectangle, a key, the format window,
// a PNG of that size that shows the white window alone, neither the selection's outline (inside the
// rectangle's edge) nor the darkened surface and the region window over it.
TEST_F(RegionShotTest, ADraggedRectangleIsSavedAtItsSizeWithoutTheSelection) {
  program_.app->Settings().SetConfig("Self", "Switch", "0");  // the main window is not in the picture
  const testing::TargetWindow white(250, 150, 300, 200);  // not on top: the selection surface covers it
  CustomRegion& region = program_.Main().Region();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomRegionScreenshot), 0);
  ASSERT_NE(region.Surface(), nullptr);
  EXPECT_TRUE(program_.app->ModeState().RegionScreenshotFlag());
  HWND surface = region.Surface()->Hwnd();
  SetCursorPos(300, 200);
  SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ASSERT_TRUE(PumpUntil([&] { return region.Selection().PressState() == RegionSelection::Press::kDragging; }));
  SetCursorPos(450, 290);
  const Rect dragged = *DragRectangle({300, 200}, {450, 290});
  ASSERT_TRUE(PumpUntil([&] { return region.Region()->Bounds() == dragged; }));
  SendMessageW(surface, WM_LBUTTONUP, 0, 0);
  testing::PumpMessages(100);
  // The selection does cover the white window on the screen: at the rectangle's corner and beside it.
  EXPECT_NE(ScreenPixel(300, 200), RGB(255, 255, 255));
  EXPECT_NE(ScreenPixel(299, 199), RGB(255, 255, 255));
  std::printf("[ figure ] the system leaves the selection out of screen copies: %s\n",
              IsExcludedFromCapture(surface) ? "yes" : "no (it is hidden for the capture)");
  WhenShown whileOpen(RegionShotFormatWindow::kClassName, [&](HWND window) {
    SendMessageW(GetDlgItem(window, RegionShotFormatWindow::kPngButton), BM_CLICK, 0, 0);
  });
  testing::PressKey(surface, 'K');
  ASSERT_EQ(Shots(), 1u);
  const std::string file = program_.dir.ReadFile("\\Images\\" + program_.app->State().lastScreenshotName);
  const std::optional<PixelImage> decoded = DecodePicture(std::vector<unsigned char>(file.begin(), file.end()));
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->width, 150);
  ASSERT_EQ(decoded->height, 90);
  // The corners, the middles of the edges and a pixel of the two-pixel outline.
  const std::pair<int, int> edges[] = {{0, 0}, {149, 0}, {0, 89}, {149, 89}, {75, 0}, {75, 89}, {0, 45}, {149, 45},
                                       {1, 1}};
  for (const auto& [x, y] : edges) {
    EXPECT_EQ(decoded->argb[static_cast<size_t>(y) * 150 + x] & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
  }
  EXPECT_EQ(region.Surface(), nullptr);
  EXPECT_EQ(region.Region(), nullptr);
  EXPECT_FALSE(program_.app->ModeState().RegionScreenshotFlag());
  EXPECT_TRUE(MainTopmost());
  EXPECT_TRUE(IsWindowVisible(program_.Hwnd()));
}

// Runs in the prefix whose display scaling is 150 %: the window's layout grows, the capture does not.
class RegionShotDpi144Test : public RegionShotTest {};

TEST_F(RegionShotDpi144Test, LayoutIsTheDesignScaledByOneAndAHalf) {
  OwnedWindow<RegionShotFormatWindow> format(*program_.app, program_.Main().Shots(), Selection());
  WhenShown whileOpen(RegionShotFormatWindow::kClassName, [&](HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 495);
    EXPECT_EQ(client.bottom, 195);
    const RECT button = WindowRect(GetDlgItem(window, RegionShotFormatWindow::kPngButton));
    RECT origin{};
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&origin), 1);
    EXPECT_EQ(button.left - origin.left, 258);
    EXPECT_EQ(button.top - origin.top, 108);
    EXPECT_EQ(button.right - button.left, 216);
    EXPECT_EQ(button.bottom - button.top, 66);
    const std::optional<BmpHeader> pending = ReadBmpHeader(format.PendingImage());
    EXPECT_TRUE(pending && pending->layout.width == 123 && pending->layout.height == 77);
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  format.RunModal();
  EXPECT_TRUE(WhenShown::Ran());
}

}  // namespace
}  // namespace corvanta
