// The homepage and help links, the donation window with the program's own picture, and the update
// window's hold on its owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "local_http_server.h"
#include "platform/program_dir.h"
#include "test_program.h"
#include "update/donation_window.h"
#include "update/update_commands.h"
#include "update/update_server.h"
#include "update/update_window.h"

namespace corvanta {
namespace {

using testing::ScopedEnvironment;

class UpdateWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_.Start();
    Updates().SetPageOpener([this](const std::string& url) { openedPages_.push_back(url); });
  }
  void TearDown() override {
    program_.Stop();
    if (programFile_ != nullptr) FreeLibrary(programFile_);
  }
  UpdateCommands& Updates() { return program_.Main().Updates(); }
  // Runs an update window over the main window until whenShown closes it.
  void RunUpdateWindow(std::function<void(HWND)> whenShown, std::function<void()> openHomepage = [] {}) {
    testing::WhenShown shown(UpdateWindow::kClassName, std::move(whenShown));
    OwnedWindow<UpdateWindow>(GetModuleHandleW(nullptr), "http://127.0.0.1:1", openHomepage).RunModal(program_.Hwnd());
    EXPECT_TRUE(shown.Ran());
  }
  void Command(MenuId id) { SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // corvanta.exe, built beside the test program, holds the picture resource.
  HMODULE ProgramFile() {
    if (programFile_ == nullptr) {
      programFile_ = LoadLibraryExW(WidePath(ExecutableFolder() + "\\corvanta.exe").c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE);
    }
    return programFile_;
  }

  testing::TestProgram program_;
  std::vector<std::string> openedPages_;
  HMODULE programFile_ = nullptr;
};

TEST_F(UpdateWindowsTest, HomepageAndHelpOpenThePagesOfTheServer) {
  Command(MenuId::kHomepage);
  Command(MenuId::kHelp);
  {
    ScopedEnvironment server(kUpdateServerVariable, "127.0.0.1:5123");
    Command(MenuId::kHomepage);
    Command(MenuId::kHelp);
  }
  EXPECT_EQ(openedPages_, (std::vector<std::string>{
                              "http://corvanta.example:8064/",
                              "http://corvanta.example:8064/forum.php?mod=viewthread&tid=127&extra=page%3D1",
                              "http://127.0.0.1:5123/",
                              "http://127.0.0.1:5123/forum.php?mod=viewthread&tid=127&extra=page%3D1",
                          }));
}

// The colour of the window's client pixel at a fraction of its size, as painted.
COLORREF ClientPixel(HWND hwnd, double fx, double fy) {
  RECT client{};
  GetClientRect(hwnd, &client);
  HDC dc = GetDC(hwnd);
  const COLORREF colour = GetPixel(dc, static_cast<int>(client.right * fx), static_cast<int>(client.bottom * fy));
  ReleaseDC(hwnd, dc);
  return colour;
}

bool Light(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 190 && GetBValue(c) > 170; }
bool Dark(COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 110; }

TEST_F(UpdateWindowsTest, DonationWindowShowsThePictureOnceAtItsDesignSize) {
  ASSERT_NE(ProgramFile(), nullptr);
  const std::vector<unsigned char> png = ResourceBytes(ProgramFile(), kDonationPictureResource);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(png[25], 6) << "colour type 6: 32-bit RGBA";

  Updates().SetPictureModule(ProgramFile());
  Command(MenuId::kDonate);
  DonationWindow* donation = Updates().Donation();
  ASSERT_NE(donation, nullptr);
  HWND hwnd = donation->Hwnd();
  EXPECT_EQ(donation->PictureSize().cx, 828);
  EXPECT_EQ(donation->PictureSize().cy, 1136);
  const RECT rect = testing::WindowRect(hwnd);
  EXPECT_EQ(rect.right - rect.left, 408);
  EXPECT_EQ(rect.bottom - rect.top, 586);
  EXPECT_EQ(testing::WindowText(hwnd), "");
  EXPECT_EQ(GetWindow(hwnd, GW_CHILD), nullptr) << "no controls";
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(IsWindowEnabled(program_.Hwnd())) << "not modal";

  // The picture fills the client area: the dark border around the card, the light card inside.
  ::UpdateWindow(hwnd);
  EXPECT_TRUE(Dark(ClientPixel(hwnd, 0.02, 0.02))) << std::hex << ClientPixel(hwnd, 0.02, 0.02);
  EXPECT_TRUE(Light(ClientPixel(hwnd, 0.15, 0.90))) << std::hex << ClientPixel(hwnd, 0.15, 0.90);
  EXPECT_TRUE(Dark(ClientPixel(hwnd, 0.98, 0.98))) << std::hex << ClientPixel(hwnd, 0.98, 0.98);

  // A second command keeps the open window; after closing, the command opens a new one.
  Command(MenuId::kDonate);
  EXPECT_EQ(Updates().Donation()->Hwnd(), hwnd);
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(Updates().Donation(), nullptr);
  Command(MenuId::kDonate);
  ASSERT_NE(Updates().Donation(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Updates().Donation()->Hwnd()));
}

TEST_F(UpdateWindowsTest, DonationWindowWithoutAPictureStillOpens) {
  // The test program itself holds no picture resource.
  Command(MenuId::kDonate);
  ASSERT_NE(Updates().Donation(), nullptr);
  EXPECT_EQ(Updates().Donation()->PictureSize().cx, 0);
}

TEST_F(UpdateWindowsTest, UpdateWindowGivesItsOwnerBackTheEnabledStateItHad) {
  // A locked overlay is a disabled main window: the update window must not enable it.
  for (const bool enabledBefore : {true, false}) {
    SCOPED_TRACE(enabledBefore ? "enabled owner" : "disabled owner");
    EnableWindow(program_.Hwnd(), enabledBefore);
    bool ownerEnabledWhileOpen = true;
    int opened = 0;
    RunUpdateWindow(
        [&](HWND window) {
          ownerEnabledWhileOpen = IsWindowEnabled(program_.Hwnd()) != FALSE;
          PostMessageW(window, WM_CLOSE, 0, 0);
        },
        [&opened] { ++opened; });
    EXPECT_FALSE(ownerEnabledWhileOpen);
    EXPECT_EQ(IsWindowEnabled(program_.Hwnd()) != FALSE, enabledBefore);
    EXPECT_EQ(opened, 0) << "closing is not the button";
  }
  EnableWindow(program_.Hwnd(), TRUE);
}

// Runs only in the prefix whose display scaling is 150 %.
class UpdateWindowsDpi144Test : public UpdateWindowsTest {};

TEST_F(UpdateWindowsDpi144Test, WindowsAreTheDesignScaledByOneAndAHalf) {
  Command(MenuId::kDonate);
  ASSERT_NE(Updates().Donation(), nullptr);
  const RECT donation = testing::WindowRect(Updates().Donation()->Hwnd());
  EXPECT_EQ(donation.right - donation.left, 612);
  EXPECT_EQ(donation.bottom - donation.top, 879);

  RECT window{}, button{};
  RunUpdateWindow([&](HWND shown) {
    window = testing::WindowRect(shown);
    button = testing::ChildRect(GetDlgItem(shown, UpdateWindow::kHomepageButtonId));
    PostMessageW(shown, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(window.right - window.left, 555);
  EXPECT_EQ(window.bottom - window.top, 372);
  EXPECT_EQ(button.left, 15);
  EXPECT_EQ(button.top, 234);
  EXPECT_EQ(button.right - button.left, 516);
  EXPECT_EQ(button.bottom - button.top, 60);
}

}  // namespace
}  // namespace corvanta
