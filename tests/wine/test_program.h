// A fresh program (App + main window) over a temporary program directory, for in-process tests.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/main_window.h"
#include "app/start_screen_layout.h"
#include "hotkeys/hotkey_host_window.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "settings/paths.h"
#include "temp_program_dir.h"

namespace corvanta::testing {

class TestProgram {
 public:
  TestProgram() = default;
  // A program directory whose name ends in the suffix (which may hold characters GBK cannot represent).
  explicit TestProgram(std::wstring_view directorySuffix) : dir(directorySuffix) {}
  // Writes Config\Config.ini before the start; an empty text leaves the directory fresh.
  void WriteConfig(const std::string& iniText) {
    dir.MakeFolder("\\Config");
    dir.WriteFile(paths::kConfigFile, iniText);
  }
  // Starts the program and lets its start-up timers run.
  App& Start() {
    app = std::make_unique<App>(GetModuleHandleW(nullptr), dir.Path());
    app->SetQuitOnExit(false);
    if (!app->Start(SW_SHOWNOACTIVATE)) return *app;
    PumpUntil([this] { return !StartupTimersPending(); }, 10000);
    return *app;
  }
  // Destroys the main window (the exit sequence runs) and the App.
  void Stop() { app.reset(); }
  MainWindow& Main() { return app->Window(); }
  // The list fill and the mixed-mode preparation run from one-shot timers after start-up and mode changes.
  bool StartupTimersPending() {
    return Main().TimerPending(MainTimer::kListFill) || Main().TimerPending(MainTimer::kMixedPreparation) ||
           (Main().HotkeyHost() != nullptr && Main().HotkeyHost()->RegistrationPasses() == 0);
  }
  HWND Hwnd() { return app->Window().Hwnd(); }
  // Locks an overlay on the rectangle through a custom region, as a key on a dragged rectangle does.
  void LockRegion(const Rect& region) {
    app->Modes().RegionRequested();
    app->Modes().RegionLockRequested(region, Size{region.width, region.height});
  }
  std::string Config(const char* section, const char* key) { return app ? app->Settings().Config(section, key) : ""; }
  std::string ConfigFile() const { return dir.ReadFile(paths::kConfigFile); }
  // A read-only Config.ini takes no more writes.
  void SetConfigReadOnly(bool readOnly) {
    SetFileAttributesW(dir.ExactPathOf(paths::kConfigFile).c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
  }

  TempProgramDir dir;
  std::unique_ptr<App> app;
};

// A plain top-level window of the test, for smart attach to find under the cursor.
class TargetWindow {
 public:
  TargetWindow(int x, int y, int w, int h) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"CorvantaTestTarget";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"target", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                            wc.hInstance, nullptr);
  }
  ~TargetWindow() { DestroyWindow(hwnd_); }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  HWND Hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Runs the action once with the window of the class as soon as it shows, from a thread timer: inside a
// modal window's own message loop, or while the test pumps messages.
class WhenShown {
 public:
  WhenShown(const wchar_t* className, std::function<void(HWND)> action) {
    className_ = className;
    action_ = std::move(action);
    timer_ = SetTimer(nullptr, 0, 10, &WhenShown::Tick);
  }
  ~WhenShown() { KillTimer(nullptr, timer_); }
  WhenShown(const WhenShown&) = delete;
  WhenShown& operator=(const WhenShown&) = delete;
  static bool Ran() { return !action_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = FindWindowW(className_, nullptr);
    if (window == nullptr || !IsWindowVisible(window) || !action_) return;
    const std::function<void(HWND)> action = std::move(action_);
    action_ = nullptr;
    action(window);
  }
  static inline const wchar_t* className_ = nullptr;
  static inline std::function<void(HWND)> action_;
  UINT_PTR timer_;
};

inline RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

// The rectangle of a child in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
  RECT r = WindowRect(child);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The height of the font a control draws with.
inline LONG FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

inline void ExpectAt(HWND control, const Rect& expected, const char* what) {
  const RECT r = ChildRect(control);
  EXPECT_EQ(r.left, expected.left) << what;
  EXPECT_EQ(r.top, expected.top) << what;
  EXPECT_EQ(r.right - r.left, expected.width) << what;
  EXPECT_EQ(r.bottom - r.top, expected.height) << what;
}

// The start screen of a 740 x 514 window at 96 DPI, a client area of 732 x 487.
inline const StartScreenLayout kStartScreenAt96{
    .customModeCheckbox = {15, 9, 158, 40}, .pictureModeCheckbox = {178, 9, 136, 40},
    .mixedModeCheckbox = {314, 9, 136, 40}, .topmostCheckbox = {636, 9, 96, 40},
    .strengthSwatch = {15, 59, 58, 58}, .strengthSlider = {76, 59, 640, 58},
    .attachButton = {581, 423, 136, 48}, .regionButton = {438, 423, 136, 48},
    .suiteButton = {15, 423, 197, 48}, .effectList = {15, 120, 702, 295},
    .columnWidths = std::array<int, 3>{56, 524, 90}};

// Every start-screen control where the layout puts it.
inline void ExpectControlsAt(MainWindow& main, const StartScreenLayout& layout) {
  ExpectAt(main.Control(ControlId::kCustomModeCheckbox), layout.customModeCheckbox, "custom mode");
  ExpectAt(main.Control(ControlId::kPictureModeCheckbox), layout.pictureModeCheckbox, "picture mode");
  ExpectAt(main.Control(ControlId::kMixedModeCheckbox), layout.mixedModeCheckbox, "mixed mode");
  ExpectAt(main.Control(ControlId::kTopmostCheckbox), layout.topmostCheckbox, "topmost");
  ExpectAt(main.Control(ControlId::kStrengthSlider), layout.strengthSlider, "slider");
  ExpectAt(main.Control(ControlId::kStrengthSwatch), layout.strengthSwatch, "swatch");
  ExpectAt(main.Control(ControlId::kAttachButton), layout.attachButton, "attach");
  ExpectAt(main.Control(ControlId::kRegionButton), layout.regionButton, "region");
  ExpectAt(main.Control(ControlId::kSuiteButton), layout.suiteButton, "suite");
  ExpectAt(main.Control(ControlId::kEffectList), layout.effectList, "list");
}

// A list view column's title, read with the wide message.
inline std::wstring ColumnTitle(HWND list, int column) {
  wchar_t text[64] = {};
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = text;
  info.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
  return text;
}

// The window's text as GBK, read through the wide function whatever the process's code page.
inline std::string WindowText(HWND hwnd) { return WindowTextGbk(hwnd); }

// The text colour a window gives one of its labels when the label draws itself.
inline COLORREF LabelTextColour(HWND window, HWND label) {
  HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, RGB(1, 2, 3));
  SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
  const COLORREF colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}

}  // namespace corvanta::testing
