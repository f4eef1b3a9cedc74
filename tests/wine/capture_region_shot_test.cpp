// The custom-region screenshot's format window: what it captures when it opens, what a button saves,
// and what closing it without a choice leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "capture/bmp_image.h"
#include "capture/region_screenshot.h"
#include "capture/region_shot_format_window.h"
#include "capture/screenshots.h"
#include "overlay/overlay_controller.h"
#include "region/custom_region.h"
#include "region/region_select_window.h"
#include "region/region_window.h"
#include "platform/files.h"
#include "platform/picture_decoder.h"
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
                  events_ += IsWindowVisible(program_.Hwnd()) ? "capture(main shown) " : "capture(main hidden) ";
                  return kRegion;
                },
            .hideHint = [this] { ++hintsHidden_; },
            .hideOutline = [this] { events_ += "outline hidden "; },
            .showOutline = [this] { ++outlinesShown_; },
            .close = [this] { ++closes_; }};
  }
  size_t Shots() { return ListFiles(program_.dir.PathOf("\\Images\\*")).size(); }
  bool MainTopmost() { return (GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

  TestProgram program_;
  int regionReads_ = 0;
  int hintsHidden_ = 0;
  int outlinesShown_ = 0;
  int closes_ = 0;
  std::string events_;
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
    EXPECT_EQ(outlinesShown_, 1);
    EXPECT_EQ(closes_, 0);
    checked = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  format.RunModal();
  EXPECT_TRUE(checked);
}

TEST_F(RegionShotTest, ClosingWithoutAChoiceSavesNothingButEndsTheSelection) {
  if (Menus().IsChecked(MenuId::kTopmost)) program_.Main().Overlay().ToggleTopmostFromMenu();
  for (UINT closeBy : {UINT{WM_CLOSE}, UINT{WM_KEYDOWN}}) {
    SCOPED_TRACE(closeBy == WM_CLOSE ? "close box" : "Esc");
    closes_ = 0;
    program_.Main().SetAlwaysOnTop(false);
    OwnedWindow<RegionShotFormatWindow> format(*program_.app, program_.Main().Shots(), Selection());
    WhenShown whileOpen(RegionShotFormatWindow::kClassName, [closeBy](HWND window) {
      if (closeBy == WM_CLOSE) {
        PostMessageW(window, WM_CLOSE, 0, 0);
      } else {
        PostMessageW(GetDlgItem(window, RegionShotFormatWindow::kBmpButton), WM_KEYDOWN, VK_ESCAPE, 0);
      }
    });
    format.RunModal();
    EXPECT_TRUE(WhenShown::Ran());
    EXPECT_EQ(Shots(), 0u);
    EXPECT_GE(closes_, 1);
    EXPECT_TRUE(MainTopmost()) << "the main window ends always on top, whatever ^置顶^ says";
    EXPECT_TRUE(IsWindowEnabled(program_.Hwnd()));
    EXPECT_TRUE(format.PendingImage().empty());
    EXPECT_FALSE(Menus().IsChecked(MenuId::kTopmost));
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
  EXPECT_GE(closes_, 1);
  EXPECT_TRUE(MainTopmost());
  EXPECT_EQ(FindWindowW(RegionShotFormatWindow::kClassName, nullptr), nullptr);
  EXPECT_EQ(program_.app->State().previewSource, PreviewSource::kScreenshot);  // the preview shows the shot
}

TEST_F(RegionShotTest, TheConfirmationHidesTheMainWindowAndTheOutlineWhileCapturing) {
  ProgramState& state = program_.app->State();
  state.savedGeometry = {60, 70, 640, 480};
  state.regionScreenshotFlag = true;
  state.regionMode = RegionMode::kSelecting;
  for (bool includeSelf : {false, true}) {
    SCOPED_TRACE(includeSelf ? "#自选区域截取自身" : "without the main window");
    Menus().SetChecked(MenuId::kScreenshotIncludesSelf, includeSelf);
    events_.clear();
    bool shownAfterCapture = false;
    WhenShown whileOpen(RegionShotFormatWindow::kClassName, [&](HWND window) {
      shownAfterCapture = IsWindowVisible(program_.Hwnd()) != FALSE;
      PostMessageW(window, WM_CLOSE, 0, 0);
    });
    ConfirmRegionScreenshot(*program_.app, program_.Main().Shots(), Selection());
    EXPECT_EQ(events_, includeSelf ? "outline hidden capture(main shown) " : "outline hidden capture(main hidden) ");
    EXPECT_TRUE(shownAfterCapture);
    const RECT window = WindowRect(program_.Hwnd());
    EXPECT_EQ(window.left, 60);
    EXPECT_EQ(window.top, 70);
    EXPECT_EQ(window.right - window.left, 640);
    EXPECT_FALSE(state.regionScreenshotFlag);
    EXPECT_EQ(state.regionMode, RegionMode::kNone);
    EXPECT_TRUE(Menus().IsEnabled(MenuId::kProgramColours));
  }
}

// The whole road from the tray item: a dragged rectangle, a key, the format window, a PNG of that size.
TEST_F(RegionShotTest, ADraggedRectangleIsSavedAtItsSize) {
  CustomRegion& region = program_.Main().Region();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomRegionScreenshot), 0);
  ASSERT_NE(region.Surface(), nullptr);
  EXPECT_TRUE(program_.app->State().regionScreenshotFlag);
  HWND surface = region.Surface()->Hwnd();
  SetCursorPos(300, 200);
  SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ASSERT_TRUE(PumpUntil([&] { return region.Selection().PressState() == RegionSelection::Press::kDragging; }));
  SetCursorPos(450, 290);
  const Rect dragged = *DragRectangle({300, 200}, {450, 290});
  ASSERT_TRUE(PumpUntil([&] { return region.Region()->Bounds() == dragged; }));
  SendMessageW(surface, WM_LBUTTONUP, 0, 0);
  const COLORREF outline = region.Surface()->OutlineColour();
  COLORREF outlineWhileOpen = 0;
  WhenShown whileOpen(RegionShotFormatWindow::kClassName, [&](HWND window) {
    outlineWhileOpen = region.Surface()->OutlineColour();
    SendMessageW(GetDlgItem(window, RegionShotFormatWindow::kPngButton), BM_CLICK, 0, 0);
  });
  SendMessageW(surface, WM_KEYUP, 'K', 0);
  EXPECT_NE(outlineWhileOpen, kRegionSurfaceColourKey) << "the outline is back once the capture is done";
  ASSERT_EQ(Shots(), 1u);
  const std::string file = program_.dir.ReadFile("\\Images\\" + program_.app->State().lastScreenshotName);
  const std::optional<PixelImage> decoded = DecodePicture(std::vector<unsigned char>(file.begin(), file.end()));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, dragged.width);
  EXPECT_EQ(decoded->height, dragged.height);
  // The outline lies inside the rectangle's edge: it had vanished from the screen for the capture.
  const uint32_t corner = decoded->argb[0] & 0xFFFFFF;
  const uint32_t outlineRgb = GetRValue(outline) << 16 | GetGValue(outline) << 8 | GetBValue(outline);
  EXPECT_NE(corner, outlineRgb);
  EXPECT_EQ(region.Surface(), nullptr);
  EXPECT_EQ(region.Region(), nullptr);
  EXPECT_FALSE(program_.app->State().regionScreenshotFlag);
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
