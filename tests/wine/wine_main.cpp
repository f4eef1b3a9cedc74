#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/gdiplus_session.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  corvanta::GdiplusSession gdiplus;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
