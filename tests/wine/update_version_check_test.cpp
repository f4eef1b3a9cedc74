// "检测版本(更新)" from the tray command against servers inside the test program: the box for each kind
// of reply, Config/Number, the update window after a newer version, no request while offline, a server
// that refuses while the probe's page answers, a server that never answers (awaited while the windows
// paint and take no input), and topmost switched off while the boxes show without writing Top.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "local_http_server.h"
#include "message_box_answerer.h"
#include "overlay/overlay_controller.h"
#include "platform/text_conv.h"
#include "test_program.h"
#include "update/update_commands.h"
#include "update/update_server.h"
#include "update/update_window.h"

namespace corvanta {
namespace {

using testing::HttpReply;
using testing::LocalHttpServer;
using testing::ScopedEnvironment;

constexpr const char* kVersionCaption = "版本信息:";
constexpr const char* kInfoCaption = "信息：";
constexpr const char* kNotReachable = "暂时无法连接到服务器，请稍后再试！";

// A port on which nothing listens any more.
int ClosedPort() {
  LocalHttpServer gone(HttpReply::Body(""));
  return gone.Port();
}

std::string Newer(const std::string& latest) {
  return "名称:Corvanta\r\n发现新版本：" + latest + "\r\n当前版本号：10.2021.009\r\n软件作者:Tarnwick!\r\n2021.9";
}
std::string UpToDate(const std::string& latest) {
  return "名称:Corvanta\r\n最新版本号：" + latest + "\r\n当前版本号：10.2021.009\r\n软件作者:Tarnwick!\r\n2021.9";
}

// What showed while the check ran: each message box and the update window, answered as they appear.
struct SeenBox {
  std::string caption;
  std::string text;
  bool mainWindowTopmost = false;
};
struct SeenUpdateWindow {
  RECT rect{};
  std::string notice;
  std::string button;
  bool ownerDisabled = false;
};

class CheckAnswerer {
 public:
  CheckAnswerer(HWND main, bool clickHomepage) : main_(main), clickHomepage_(clickHomepage) {
    self_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &CheckAnswerer::Tick);
  }
  ~CheckAnswerer() {
    KillTimer(nullptr, timer_);
    self_ = nullptr;
  }
  CheckAnswerer(const CheckAnswerer&) = delete;
  CheckAnswerer& operator=(const CheckAnswerer&) = delete;

  std::vector<SeenBox> boxes;
  std::vector<SeenUpdateWindow> updateWindows;

 private:
  void AnswerBox() {
    HWND box = testing::NewMessageBox();
    if (box == nullptr) return;
    const bool mainWindowTopmost = (GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const testing::SeenMessageBox seen = testing::AnswerMessageBox(box);
    boxes.push_back({seen.caption, seen.text, mainWindowTopmost});
  }
  void AnswerUpdateWindow() {
    HWND window = FindWindowW(UpdateWindow::kClassName, nullptr);
    if (window == nullptr || !IsWindowVisible(window) || GetPropW(window, L"answered") != nullptr) return;
    SetPropW(window, L"answered", window);
    SeenUpdateWindow seen;
    GetWindowRect(window, &seen.rect);
    seen.notice = testing::WindowText(GetDlgItem(window, UpdateWindow::kNoticeId));
    seen.button = testing::WindowText(GetDlgItem(window, UpdateWindow::kHomepageButtonId));
    seen.ownerDisabled = !IsWindowEnabled(main_);
    updateWindows.push_back(seen);
    if (clickHomepage_) {
      PostMessageW(GetDlgItem(window, UpdateWindow::kHomepageButtonId), BM_CLICK, 0, 0);
    } else {
      PostMessageW(window, WM_CLOSE, 0, 0);
    }
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (self_ == nullptr) return;
    self_->AnswerBox();
    self_->AnswerUpdateWindow();
  }

  static inline CheckAnswerer* self_ = nullptr;
  HWND main_;
  bool clickHomepage_;
  UINT_PTR timer_ = 0;
};

class UpdateVersionCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_.Start();
    program_.Main().Updates().SetPageOpener([this](const std::string& url) { openedPages_.push_back(url); });
  }
  void TearDown() override { program_.Stop(); }

  void Command(MenuId id) { SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // Runs the check with the server as CORVANTA_UPDATE_SERVER; the probe asks probeUrl, or the same server
  // when none is given (never the public page built in).
  CheckAnswerer& RunCheck(const LocalHttpServer& server, const std::string& probeUrl = {}, bool clickHomepage = false) {
    ScopedEnvironment serverVariable(kUpdateServerVariable, server.Address());
    const std::string probe = probeUrl.empty() ? "http://" + server.Address() + "/" : probeUrl;
    ScopedEnvironment probeVariable(kProbeUrlVariable, probe);
    answerer_.reset();  // one answerer at a time: the old one's end would stop the new one
    answerer_ = std::make_unique<CheckAnswerer>(program_.Hwnd(), clickHomepage);
    Command(MenuId::kVersionCheck);
    return *answerer_;
  }

  testing::TestProgram program_;
  std::vector<std::string> openedPages_;
  std::unique_ptr<CheckAnswerer> answerer_;
};

TEST_F(UpdateVersionCheckTest, BoxForEachKindOfReply) {
  struct Case {
    const char* name;
    HttpReply reply;
    const char* caption;
    std::string text;
    bool updateWindow;
  };
  const Case cases[] = {
      {"the built-in version", HttpReply::Body("10.2021.009"), kVersionCaption, UpToDate("10.2021.009"),
       false},
      {"newer inside HTML", HttpReply::Body("<html><body><b>10.2021.010</b> is out</body></html>"),
       kVersionCaption, Newer("10.2021.010"), true},
      {"an older one", HttpReply::Body("10.2020.005"), kVersionCaption, Newer("10.2020.005"), true},
      {"only 11.0", HttpReply::Body("version 11.0"), kInfoCaption, kNotReachable, false},
      {"empty", HttpReply::Body(""), kInfoCaption, kNotReachable, false},
      {"an error page", HttpReply::NotFound("<p>10.2021.010 not found</p>"), kInfoCaption, kNotReachable,
       false},
      {"100 MB starting with a version", HttpReply::Streamed("10.2021.010", 100ull << 20), kVersionCaption,
       Newer("10.2021.010"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    program_.dir.WriteFile("\\Config\\Config.ini", "[Config]\r\nNumber=1.0\r\n");
    LocalHttpServer server(c.reply);
    ASSERT_TRUE(server.Listening());
    CheckAnswerer& seen = RunCheck(server);
    ASSERT_EQ(seen.boxes.size(), 1u);
    EXPECT_EQ(seen.boxes[0].caption, c.caption);
    EXPECT_EQ(seen.boxes[0].text, c.text);
    EXPECT_EQ(seen.updateWindows.size(), c.updateWindow ? 1u : 0u);
    EXPECT_EQ(program_.Config("Config", "Number"), "10.2021.009");
    EXPECT_EQ(server.Paths(), (std::vector<std::string>{"/", "/ver/ver.html"}));
  }
  EXPECT_TRUE(openedPages_.empty()) << "closing the update window opens nothing";
}

TEST_F(UpdateVersionCheckTest, UpdateWindowFollowsANewerVersionAndItsButtonOpensTheHomepage) {
  LocalHttpServer server(HttpReply::Body("10.2021.010"));
  CheckAnswerer& seen = RunCheck(server, {}, true);
  ASSERT_EQ(seen.updateWindows.size(), 1u);
  const SeenUpdateWindow& window = seen.updateWindows[0];
  EXPECT_EQ(window.rect.right - window.rect.left, 370);
  EXPECT_EQ(window.rect.bottom - window.rect.top, 248);
  EXPECT_EQ(window.notice, UpdateWindow::kNotice);
  EXPECT_EQ(window.button, "http://" + server.Address());
  EXPECT_TRUE(window.ownerDisabled) << "the update window is modal";
  EXPECT_EQ(openedPages_, (std::vector<std::string>{"http://" + server.Address() + "/"}));
  EXPECT_EQ(FindWindowW(UpdateWindow::kClassName, nullptr), nullptr) << "the button closes the window";
  EXPECT_TRUE(IsWindowEnabled(program_.Hwnd()));
}

TEST_F(UpdateVersionCheckTest, OfflineShowsTheBuiltInVersionAndAsksNothing) {
  LocalHttpServer server(HttpReply::Body("10.2021.010"));
  CheckAnswerer& seen = RunCheck(server, "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/");
  ASSERT_EQ(seen.boxes.size(), 1u);
  EXPECT_EQ(seen.boxes[0].caption, kVersionCaption);
  EXPECT_EQ(seen.boxes[0].text, UpToDate("10.2021.009"));
  EXPECT_TRUE(seen.updateWindows.empty());
  EXPECT_TRUE(server.Paths().empty());
  EXPECT_EQ(program_.Config("Config", "Number"), "10.2021.009");
}

// The probe's page answers, the server refuses the connection: the server is down, not the network.
TEST_F(UpdateVersionCheckTest, ServerThatRefusesWhileTheProbeAnswersIsNotReachable) {
  LocalHttpServer probe(HttpReply::Body(""));
  ScopedEnvironment serverVariable(kUpdateServerVariable, "127.0.0.1:" + std::to_string(ClosedPort()));
  ScopedEnvironment probeVariable(kProbeUrlVariable, "http://" + probe.Address() + "/alive");
  CheckAnswerer seen(program_.Hwnd(), false);
  Command(MenuId::kVersionCheck);
  ASSERT_EQ(seen.boxes.size(), 1u);
  EXPECT_EQ(seen.boxes[0].caption, kInfoCaption);
  EXPECT_EQ(seen.boxes[0].text, kNotReachable);
  EXPECT_TRUE(seen.updateWindows.empty());
  EXPECT_EQ(probe.Paths(), (std::vector<std::string>{"/alive"}));
}

// While the check waits: every few milliseconds a thread timer of the test counts itself, notes whether
// the main window has painted since it was last invalidated, and invalidates it again; at the first tick
// it posts a click on the "置顶" checkbox and a space key on "图片模式", and sends the tray menu's
// "自动预览" as a message sent from another thread would be, which no wait can hold back.
class WaitWatcher {
 public:
  explicit WaitWatcher(HWND main) : main_(main) {
    self_ = this;
    timer_ = SetTimer(nullptr, 0, 25, &WaitWatcher::Tick);
  }
  ~WaitWatcher() {
    KillTimer(nullptr, timer_);
    self_ = nullptr;
  }
  WaitWatcher(const WaitWatcher&) = delete;
  WaitWatcher& operator=(const WaitWatcher&) = delete;

  int ticks = 0;
  int repaints = 0;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    // Only the wait counts, not the box that follows it.
    if (self_ == nullptr || FindWindowW(L"#32770", nullptr) != nullptr) return;
    self_->Count();
  }
  void Count() {
    if (ticks++ == 0) PostInput();
    if (ticks > 1 && !GetUpdateRect(main_, nullptr, FALSE)) ++repaints;
    InvalidateRect(main_, nullptr, TRUE);
  }
  void PostInput() {
    HWND topmost = GetDlgItem(main_, static_cast<int>(ControlId::kTopmostCheckbox));
    PostMessageW(topmost, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(topmost, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    HWND picture = GetDlgItem(main_, static_cast<int>(ControlId::kPictureModeCheckbox));
    PostMessageW(picture, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(picture, WM_KEYUP, VK_SPACE, 0xC0390001);
    SendMessageW(main_, WM_COMMAND, static_cast<WPARAM>(MenuId::kAutoPreview), 0);
  }

  static inline WaitWatcher* self_ = nullptr;
  HWND main_;
  UINT_PTR timer_ = 0;
};

// A server that never answers is waited for about 10 s, the probe included; meanwhile the main window
// paints and the timers run, but the click and the key are not acted on, neither then nor afterwards
// (and they are when no check runs).
TEST_F(UpdateVersionCheckTest, ServerThatNeverAnswersIsAwaitedWithWindowsAliveButNoInput) {
  program_.app->Modes().TopmostChosen(false);
  ASSERT_EQ(program_.Config("Config", "Top"), "0");
  ASSERT_EQ(program_.Config("Config", "SetP"), "C");
  const std::string autoPreview = program_.Config("Preview", "Pre");
  LocalHttpServer probe(HttpReply::Body(""));
  LocalHttpServer silent(HttpReply::Silent());
  const ULONGLONG start = GetTickCount64();
  WaitWatcher watcher(program_.Hwnd());
  CheckAnswerer& seen = RunCheck(silent, "http://" + probe.Address() + "/");
  const ULONGLONG elapsed = GetTickCount64() - start;
  ASSERT_EQ(seen.boxes.size(), 1u);
  EXPECT_EQ(seen.boxes[0].caption, kInfoCaption);
  EXPECT_EQ(seen.boxes[0].text, kNotReachable);
  EXPECT_EQ(silent.ConnectionsAccepted(), 1);
  EXPECT_LT(elapsed, 15000u);
  EXPECT_GT(watcher.ticks, 40);
  EXPECT_GT(watcher.repaints, 40);
  testing::PumpMessages(200);
  EXPECT_EQ(program_.Config("Config", "Top"), "0");
  EXPECT_EQ(program_.Config("Config", "SetP"), "C");
  EXPECT_EQ(program_.Config("Preview", "Pre"), autoPreview) << "a menu command during the check";
  std::printf("[ figure ] version check against a silent server: box after %llu ms; %d timer ticks and %d "
              "repaints of the main window while it waited\n",
              static_cast<unsigned long long>(elapsed), watcher.ticks, watcher.repaints);
  // Without a check the same input is acted on.
  WaitWatcher again(program_.Hwnd());
  ASSERT_TRUE(testing::PumpUntil([&] { return again.ticks > 0; }));
  testing::PumpMessages(200);
  EXPECT_EQ(program_.Config("Config", "Top") + program_.Config("Config", "SetP"), "1P");
  EXPECT_NE(program_.Config("Preview", "Pre"), autoPreview);
}

TEST_F(UpdateVersionCheckTest, TopmostIsOffWhileTheBoxesShowAndBackAfterwardsWithoutWritingTop) {
  Menus& menus = program_.Main().GetMenus();
  if (!menus.IsChecked(MenuId::kTopmost)) Command(MenuId::kTopmost);
  if (!menus.IsChecked(MenuId::kStrongTopmost)) Command(MenuId::kStrongTopmost);
  ASSERT_TRUE(menus.IsChecked(MenuId::kTopmost));
  ASSERT_TRUE(menus.IsChecked(MenuId::kStrongTopmost));
  // With Number already at the built-in version, the check leaves Config.ini as it was.
  program_.app->Settings().SetConfig(keys::kVersionNumber, "10.2021.009");
  const std::string configBefore = program_.ConfigFile();

  LocalHttpServer server(HttpReply::Body("10.2021.010"));
  CheckAnswerer& seen = RunCheck(server);
  ASSERT_EQ(seen.boxes.size(), 1u);
  EXPECT_FALSE(seen.boxes[0].mainWindowTopmost);
  ASSERT_EQ(seen.updateWindows.size(), 1u);

  EXPECT_TRUE(menus.IsChecked(MenuId::kTopmost));
  EXPECT_TRUE(menus.IsChecked(MenuId::kStrongTopmost));
  EXPECT_TRUE(program_.Main().IsAlwaysOnTop());
  EXPECT_TRUE(program_.Main().TimerPending(MainTimer::kStrongTopmost));
  EXPECT_EQ(program_.ConfigFile(), configBefore);
  Command(MenuId::kStrongTopmost);
}

}  // namespace
}  // namespace corvanta
