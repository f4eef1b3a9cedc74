// Screen capture, encoding and saving, in process: real screen pixels, the platform's encoders, files in
// the program's Images folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "capture/bmp_image.h"
#include "capture/screenshots.h"
#include "capture/image_encoder.h"
#include "capture/screen_capture.h"
#include "effects/effect_list.h"
#include "effects/preview_picture_window.h"
#include "overlay/draw_canvas.h"
#include "platform/files.h"
#include "platform/picture_decoder.h"
#include "platform/text_conv.h"
#include "message_box_answerer.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;
using testing::WindowRect;

constexpr int kDepths[] = {1, 4, 8, 16, 24, 32};

// A plain popup filled with a stock brush, on top of everything.
class SolidWindow {
 public:
  SolidWindow(int x, int y, int w, int h, int stockBrush) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(stockBrush));
    const std::wstring name = L"CorvantaCaptureSolid" + std::to_wstring(stockBrush);
    wc.lpszClassName = name.c_str();
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, name.c_str(), L"", WS_POPUP | WS_VISIBLE, x, y, w, h,
                            nullptr, nullptr, wc.hInstance, nullptr);
    UpdateWindow(hwnd_);
  }
  ~SolidWindow() { DestroyWindow(hwnd_); }
  SolidWindow(const SolidWindow&) = delete;
  SolidWindow& operator=(const SolidWindow&) = delete;

 private:
  HWND hwnd_;
};

const uint8_t* PixelRow(const std::vector<uint8_t>& bmp, int fileRow) {
  const BmpHeader header = *ReadBmpHeader(bmp);
  return header.pixels.data() + static_cast<size_t>(fileRow) * header.layout.stride;
}

// Rows are stored bottom-up: white above black on the screen is black first in the file.
TEST(CaptureRegionTest, CopiesScreenPixelsBottomUpAtEveryDepth) {
  SolidWindow white(300, 300, 40, 10, WHITE_BRUSH);
  SolidWindow black(300, 310, 40, 10, BLACK_BRUSH);
  testing::PumpMessages(50);
  for (int depth : kDepths) {
    SCOPED_TRACE(depth);
    const std::vector<uint8_t> bmp = CaptureRegion(304, 305, 32, 10, depth);
    const std::optional<BmpHeader> header = ReadBmpHeader(bmp);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->layout.width, 32);
    EXPECT_EQ(header->layout.height, 10);
    EXPECT_EQ(header->layout.depth, depth);
    const size_t rowBytes = static_cast<size_t>(32) * depth / 8;
    const uint8_t* bottom = PixelRow(bmp, 0);
    const uint8_t* top = PixelRow(bmp, 9);
    // Black is entry 0 of every palette and all zero bits without one.
    EXPECT_TRUE(std::all_of(bottom, bottom + rowBytes, [](uint8_t b) { return b == 0; }));
    if (depth == 16) {
      EXPECT_TRUE(std::all_of(top, top + rowBytes, [](uint8_t b) { return b == 0xFF || b == 0x7F; }));
    } else if (depth == 32) {
      for (size_t x = 0; x < 32; ++x) EXPECT_EQ(top[4 * x] & top[4 * x + 1] & top[4 * x + 2], 0xFF) << x;
    } else {
      // White is the last palette entry: all index bits set.
      EXPECT_TRUE(std::all_of(top, top + rowBytes, [](uint8_t b) { return b == 0xFF; }));
    }
  }
}

TEST(CaptureRegionTest, SizesDepthsAndRefusals) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const std::optional<BmpHeader> toEdge = ReadBmpHeader(CaptureRegion(screenWidth - 20, screenHeight - 10, 0, 0, 24));
  ASSERT_TRUE(toEdge);
  EXPECT_EQ(toEdge->layout.width, 20);
  EXPECT_EQ(toEdge->layout.height, 10);

  const std::optional<BmpHeader> displayDepth = ReadBmpHeader(CaptureRegion(0, 0, 3, 3, 0));
  ASSERT_TRUE(displayDepth);
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode));
  EXPECT_EQ(displayDepth->layout.depth, static_cast<int>(mode.dmBitsPerPel));

  // Off the screen is allowed; the platform decides what those pixels are.
  EXPECT_TRUE(ReadBmpHeader(CaptureRegion(-5, -5, 10, 10, 32)));

  const std::vector<uint8_t> noImage{0};
  EXPECT_EQ(CaptureRegion(0, 0, 10, 10, 2), noImage);
  EXPECT_EQ(CaptureRegion(0, 0, 10, 10, 48), noImage);
  EXPECT_EQ(CaptureRegion(screenWidth + 10, 0, 0, 10, 32), noImage);  // to the edge from beyond it
  EXPECT_EQ(CaptureRegion(0, 0, -4, 10, 32), noImage);
  EXPECT_EQ(CaptureRegion(0, 0, 20000, 20000, 32), noImage);  // 1.6 GB
}

TEST(ConvertImageTest, EveryFormatFromEveryDepthDecodesToTheCapturedSize) {
  SolidWindow white(200, 200, 50, 30, WHITE_BRUSH);
  testing::PumpMessages(50);
  for (int depth : kDepths) {
    const std::vector<uint8_t> bmp = CaptureRegion(190, 190, 37, 23, depth);
    for (ImageFormat format : kImageFormats) {
      SCOPED_TRACE(::testing::Message() << "depth " << depth << " " << FormatExtension(format));
      const std::optional<std::vector<uint8_t>> encoded = ConvertImage(bmp, format);
      ASSERT_TRUE(encoded);
      EXPECT_TRUE(LooksLikeEncodedImage(format, *encoded));
      const std::optional<PixelImage> decoded = DecodePicture(*encoded);
      ASSERT_TRUE(decoded);
      EXPECT_EQ(decoded->width, 37);
      EXPECT_EQ(decoded->height, 23);
      // The white window's corner survives every format (JPEG within its loss).
      const uint32_t inside = decoded->argb[static_cast<size_t>(22) * 37 + 36];
      EXPECT_GE(inside & 0xFF, 0xE0u);
    }
  }
  EXPECT_FALSE(ConvertImage(std::vector<uint8_t>{0}, ImageFormat::kPng));
  EXPECT_FALSE(ConvertImage(std::vector<uint8_t>{'B', 'M', 1, 2, 3}, ImageFormat::kGif));
}

// ---- Saving through the program ------------------------------------------------------------------

class ScreenshotSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_.Start();
    // Neither the folder nor the preview opens unless a test asks for it.
    Menus().SetChecked(MenuId::kAutoOpenImages, false);
    Menus().SetChecked(MenuId::kAutoPreview, false);
  }
  corvanta::Menus& Menus() { return program_.Main().GetMenus(); }
  void Command(MenuId id) { SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  std::set<std::string> Shots() {
    const std::vector<std::string> names = ListFiles(program_.dir.PathOf("\\Images\\*"));
    return {names.begin(), names.end()};
  }
  std::string ReadShot(const std::string& name) { return program_.dir.ReadFile("\\Images\\" + name); }

  TestProgram program_;
};

TEST_F(ScreenshotSaveTest, TheDepthSubmenuChecksExactlyOneItem) {
  const MenuId items[] = {MenuId::kDepth1,  MenuId::kDepth4,  MenuId::kDepth8,
                          MenuId::kDepth16, MenuId::kDepth24, MenuId::kDepth32};
  auto checkedCount = [&] { return std::count_if(std::begin(items), std::end(items), [&](MenuId id) {
                              return Menus().IsChecked(id);
                            }); };
  EXPECT_EQ(program_.app->State().screenshotDepth, 32);
  EXPECT_TRUE(Menus().IsChecked(MenuId::kDepth32));
  for (MenuId chosen : {MenuId::kDepth8, MenuId::kDepth8, MenuId::kDepth1, MenuId::kDepth24}) {
    Command(chosen);
    EXPECT_EQ(checkedCount(), 1);
    EXPECT_TRUE(Menus().IsChecked(chosen));
    EXPECT_EQ(program_.app->State().screenshotDepth, *DepthOfMenuItem(chosen));
  }
  // Every start begins at 32 again.
  program_.Stop();
  program_.Start();
  EXPECT_EQ(program_.app->State().screenshotDepth, 32);
  EXPECT_TRUE(Menus().IsChecked(MenuId::kDepth32));
  EXPECT_EQ(checkedCount(), 1);
}

TEST_F(ScreenshotSaveTest, EachFormatFromEachDepthIsAFileOfTheMainWindowsSize) {
  const RECT window = WindowRect(program_.Hwnd());
  const MenuId depthItems[] = {MenuId::kDepth1,  MenuId::kDepth4,  MenuId::kDepth8,
                               MenuId::kDepth16, MenuId::kDepth24, MenuId::kDepth32};
  const MenuId saveItems[] = {MenuId::kSaveBmp, MenuId::kSaveJpg, MenuId::kSaveGif, MenuId::kSavePng};
  const char* extensions[] = {".bmp", ".jpg", ".gif", ".png"};
  for (MenuId depth : depthItems) {
    Command(depth);
    for (size_t f = 0; f < 4; ++f) {
      SCOPED_TRACE(::testing::Message() << "depth " << *DepthOfMenuItem(depth) << " " << extensions[f]);
      const std::set<std::string> before = Shots();
      Command(saveItems[f]);
      const std::string name = program_.app->State().lastScreenshotName;
      EXPECT_EQ(Shots().size(), before.size() + 1);
      ASSERT_EQ(Shots().count(name), 1u) << name;
      EXPECT_EQ(name.substr(name.size() - 4), extensions[f]);
      const std::string file = ReadShot(name);
      const std::optional<PixelImage> decoded = DecodePicture(std::vector<unsigned char>(file.begin(), file.end()));
      ASSERT_TRUE(decoded);
      EXPECT_EQ(decoded->width, window.right - window.left);
      EXPECT_EQ(decoded->height, window.bottom - window.top);
    }
  }
}

TEST_F(ScreenshotSaveTest, TwoShotsInOneSecondLeaveTwoFiles) {
  // Shots are named to the second; a taken name is numbered instead of replaced.
  Command(MenuId::kSavePng);
  const std::string first = program_.app->State().lastScreenshotName;
  Command(MenuId::kSavePng);
  const std::string second = program_.app->State().lastScreenshotName;
  EXPECT_NE(first, second);
  EXPECT_EQ(Shots(), (std::set<std::string>{first, second}));
  // In the same second the second shot is numbered; a second later it has a name of its own.
  const std::string base = first.substr(0, first.size() - 4);
  EXPECT_TRUE(second == base + "(2).png" || second.find('(') == std::string::npos) << second;
}

TEST_F(ScreenshotSaveTest, TheNameIsTheLocalDateAndTimeInChinese) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  Command(MenuId::kSaveJpg);
  const std::string name = program_.app->State().lastScreenshotName;
  // The exact file on disk, found by its UTF-16 name whatever the process's code page.
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((program_.dir.ExactPathOf("\\Images\\") + L"*.jpg").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(std::wstring(found.cFileName), ToWide(name));
  const std::wstring date = std::to_wstring(before.wYear) + L"\u5E74" + std::to_wstring(before.wMonth) + L"\u6708" +
                            std::to_wstring(before.wDay) + L"\u65E5";
  EXPECT_EQ(std::wstring(found.cFileName).rfind(date, 0), 0u) << "the name begins with the date";
}

TEST_F(ScreenshotSaveTest, ImagesFolderOfTheProgramWhateverTheCurrentDirectory) {
  testing::TempProgramDir elsewhere;
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(elsewhere.ExactPath().c_str());
  Command(MenuId::kSaveBmp);
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(Shots().size(), 1u);
  EXPECT_EQ(elsewhere.AttributesOf("\\Images"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(program_.Main().Shots().Folder(), program_.dir.Path() + "\\Images");
}

TEST_F(ScreenshotSaveTest, AMissingImagesFolderIsMadeAgain) {
  ASSERT_TRUE(RemoveDirectoryW(program_.dir.ExactPathOf("\\Images").c_str()));
  Command(MenuId::kSavePng);
  EXPECT_EQ(Shots().size(), 1u);
}

// A file named Images where the folder should be: nothing can be written, and the shot is reported as
// not saved rather than previewed from a file that does not exist.
TEST_F(ScreenshotSaveTest, AShotThatCannotBeWrittenIsReportedAndNotPreviewed) {
  ASSERT_TRUE(RemoveDirectoryW(program_.dir.ExactPathOf("\\Images").c_str()));
  program_.dir.WriteFile("\\Images", "not a folder");
  Menus().SetChecked(MenuId::kAutoPreview, true);
  testing::MessageBoxAnswerer answerer;
  for (MenuId save : {MenuId::kSaveBmp, MenuId::kSavePng}) Command(save);
  const testing::SeenMessageBox failed{"信息：", "保存截图失败！"};
  EXPECT_EQ(answerer.boxes, (std::vector<testing::SeenMessageBox>{failed, failed}));
  EXPECT_EQ(program_.dir.ReadFile("\\Images"), "not a folder");
  EXPECT_EQ(program_.app->State().lastScreenshotName, "");
  EXPECT_EQ(program_.Main().List().PicturePreview(), nullptr);
}

TEST_F(ScreenshotSaveTest, AutoPreviewShowsTheFileActuallyWritten) {
  Command(MenuId::kAutoPreview);  // on: the preview source becomes 1 and Pre=1 is written
  EXPECT_TRUE(Menus().IsChecked(MenuId::kAutoPreview));
  EXPECT_EQ(program_.app->State().previewSource, PreviewSource::kAutoPreviewOn);
  EXPECT_EQ(program_.Config("Preview", "Pre"), "1");
  Command(MenuId::kSavePng);
  Command(MenuId::kSavePng);
  const std::string second = program_.app->State().lastScreenshotName;
  PreviewPictureWindow* preview = program_.Main().List().PicturePreview();
  ASSERT_NE(preview, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return preview->IsReady(); }));
  // The caption is the path of the picture shown; its size is the shot's.
  EXPECT_EQ(testing::WindowText(preview->Hwnd()), program_.dir.Path() + "\\Images\\" + second);
  const RECT window = WindowRect(program_.Hwnd());
  const SIZE shown = preview->Canvas().PictureSize();
  EXPECT_EQ(shown.cx, window.right - window.left);
  EXPECT_EQ(shown.cy, window.bottom - window.top);

  Command(MenuId::kAutoPreview);  // off again
  EXPECT_EQ(program_.app->State().previewSource, PreviewSource::kAutoPreviewOff);
  EXPECT_EQ(program_.Config("Preview", "Pre"), "0");
}

}  // namespace
}  // namespace corvanta
