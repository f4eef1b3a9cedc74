// What the Wine benchmarks share: their clock, and a program directory in custom mode whose first preset
// is the typical one (transverse lines every 3 pixels, one pixel wide).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "settings/paths.h"
#include "../tests/wine/temp_program_dir.h"

namespace corvanta::bench {

inline constexpr const char* kTypicalPreset =
    "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=10\r\n"
    "ColorG=10\r\nColorB=10\r\n[ScanlineTransversespacing]\r\nTransverse=3\r\n";

inline double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The common controls, and Config.ini with the typical preset as Effect\C\a_typical.ini.
inline void PrepareCustomModeProgram(testing::TempProgramDir& dir) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  dir.MakeFolder("\\Config");
  dir.MakeFolder("\\Effect");
  dir.MakeFolder("\\Effect\\C");
  dir.WriteFile(paths::kConfigFile, "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nAlpha=150\r\nTop=1\r\n");
  dir.WriteFile("\\Effect\\C\\a_typical.ini", kTypicalPreset);
}

}  // namespace corvanta::bench
