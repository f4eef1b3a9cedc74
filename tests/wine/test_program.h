// A fresh program (App + main window) over a temporary program directory, for in-process tests.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

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

// Window width minus client width.
// Sends the WM_DPICHANGED of a move to a 144-DPI display and checks what the window must do then: stand
// at the suggested corner with the width of its 144-DPI layout and draw fontProbe 1.5 times as high.
inline void ExpectRescaledTo144(HWND window, HWND fontProbe, const RECT& suggested, int width) {
  const LONG heightAt96 = FontHeight(fontProbe);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  const RECT now = WindowRect(window);
  EXPECT_EQ(now.left, suggested.left);
  EXPECT_EQ(now.top, suggested.top);
  EXPECT_EQ(now.right - now.left, width);
  EXPECT_NEAR(FontHeight(fontProbe), heightAt96 * 1.5, 0.5);  // a height of 13 pixels becomes 19 or 20
}

inline void ExpectAt(HWND control, const Rect& expected, const char* what) {
  const RECT r = ChildRect(control);
  EXPECT_EQ(r.left, expected.left) << what;
  EXPECT_EQ(r.top, expected.top) << what;
  EXPECT_EQ(r.right - r.left, expected.width) << what;
  EXPECT_EQ(r.bottom - r.top, expected.height) << what;
}

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

}  // namespace corvanta::testing
