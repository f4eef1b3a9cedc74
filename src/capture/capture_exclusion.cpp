#include "capture/capture_exclusion.h"

#include "platform/message_wait.h"

namespace corvanta {

namespace {

// Not in older SDK headers: the window is left out of screen copies (and shows on the display).
constexpr DWORD kExcludeFromCapture = 0x11;
// The first build that knows it (Windows 10 2004); older ones treat it as WDA_MONITOR, a black window.
constexpr DWORD kFirstBuildExcluding = 19041;
// Without a compositor, the windows uncovered by a hide repaint in this time (those of this thread while
// it waits here, others on their own threads).
constexpr uint32_t kRepaintMilliseconds = 100;
// One frame may be on its way with the hidden windows still in it; the one after it has them gone.
constexpr int kComposedFrames = 2;

using SetAffinityFunction = BOOL(WINAPI*)(HWND, DWORD);
using GetAffinityFunction = BOOL(WINAPI*)(HWND, DWORD*);
using CompositionEnabledFunction = HRESULT(WINAPI*)(BOOL*);
using FlushFunction = HRESULT(WINAPI*)();
using VersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

template <typename Function>
Function Find(HMODULE module, const char* name) {
  return module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                           : nullptr;
}

HMODULE User32() { return GetModuleHandleW(L"user32.dll"); }

// Loaded once and kept: it is not there on every system.
HMODULE Dwmapi() {
  static const HMODULE module = LoadLibraryW(L"dwmapi.dll");
  return module;
}

// The real version: GetVersionEx answers what the program's manifest declares.
bool SystemExcludesFromCapture() {
  static const bool excludes = [] {
    const auto version = Find<VersionFunction>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (version == nullptr || version(&info) != 0) return false;
    return info.dwMajorVersion > 10 || (info.dwMajorVersion == 10 && info.dwBuildNumber >= kFirstBuildExcluding);
  }();
  return excludes;
}

bool DesktopIsComposed() {
  const auto enabled = Find<CompositionEnabledFunction>(Dwmapi(), "DwmIsCompositionEnabled");
  BOOL composed = FALSE;
  return enabled != nullptr && enabled(&composed) == S_OK && composed;
}

}  // namespace

bool ExcludeFromCapture(HWND window) {
  if (window == nullptr || !SystemExcludesFromCapture()) return false;
  const auto set = Find<SetAffinityFunction>(User32(), "SetWindowDisplayAffinity");
  return set != nullptr && set(window, kExcludeFromCapture) && IsExcludedFromCapture(window);
}

bool IsExcludedFromCapture(HWND window) {
  const auto get = Find<GetAffinityFunction>(User32(), "GetWindowDisplayAffinity");
  DWORD affinity = 0;
  return window != nullptr && get != nullptr && get(window, &affinity) && affinity == kExcludeFromCapture;
}

void WaitForScreenToSettle() {
  const auto flush = Find<FlushFunction>(Dwmapi(), "DwmFlush");
  if (flush != nullptr && DesktopIsComposed()) {
    ServePaintFor(0);  // what this thread has to paint goes into the frames waited for
    for (int frame = 0; frame < kComposedFrames; ++frame) {
      if (flush() != S_OK) break;
    }
    return;
  }
  ServePaintFor(kRepaintMilliseconds);
}

OutOfScreenCopies::OutOfScreenCopies(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    if (window == nullptr || !IsWindowVisible(window) || IsExcludedFromCapture(window)) continue;
    ShowWindow(window, SW_HIDE);
    hidden_.push_back(window);
  }
  if (!hidden_.empty()) WaitForScreenToSettle();
}

OutOfScreenCopies::~OutOfScreenCopies() {
  for (HWND window : hidden_) {
    if (IsWindow(window)) ShowWindow(window, SW_SHOWNA);
  }
}

}  // namespace corvanta
