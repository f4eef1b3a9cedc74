// The suite's controls where its design puts them, at 96 DPI and scaled by one and a half at 144 DPI,
// written out as numbers.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "suite/suite_window.h"
#include "test_program.h"

namespace corvanta::testing {

struct SuiteControlPlace {
  int id;
  Rect at96;
  Rect at144;  // a height of 0: not checked (the combo box's closed height is the system's)
};

constexpr int Id(SuiteControl control) { return static_cast<int>(control); }
// The slider and the value label of row n (SuiteSlider order): rows 0..4 on the left, 5..9 on the right.
constexpr int SliderId(int row) { return Id(SuiteControl::kSliderBase) + row; }
constexpr int ValueId(int row) { return Id(SuiteControl::kValueBase) + row; }

inline constexpr SuiteControlPlace kSuitePlaces[] = {
    {Id(SuiteControl::kOpenButton), {10, 10, 64, 28}, {15, 15, 96, 42}},
    {Id(SuiteControl::kCloseButton), {82, 10, 64, 28}, {123, 15, 96, 42}},
    {Id(SuiteControl::kSaveButton), {585, 216, 64, 28}, {878, 324, 96, 42}},
    {Id(SuiteControl::kSaveAsButton), {659, 216, 64, 28}, {989, 324, 96, 42}},
    {Id(SuiteControl::kRandomButton), {659, 10, 64, 28}, {989, 15, 96, 42}},
    {Id(SuiteControl::kLineColourPicker), {218, 12, 44, 24}, {327, 18, 66, 36}},
    {Id(SuiteControl::kBackgroundPicker), {334, 12, 44, 24}, {501, 18, 66, 36}},
    {Id(SuiteControl::kBackdropChooser), {474, 15, 180, 0}, {711, 23, 270, 0}},
    {Id(SuiteControl::kBackdropLabel), {386, 14, 84, 20}, {579, 21, 126, 30}},
    {Id(SuiteControl::kTransparentCheckbox), {10, 220, 140, 20}, {15, 330, 210, 30}},
    {Id(SuiteControl::kLineColourLabel), {154, 14, 60, 20}, {231, 21, 90, 30}},
    {Id(SuiteControl::kBackgroundLabel), {270, 14, 60, 20}, {405, 21, 90, 30}},
    {SliderId(0), {114, 52, 180, 28}, {171, 78, 270, 42}}, {ValueId(0), {298, 56, 36, 20}, {447, 84, 54, 30}},
    {SliderId(1), {114, 84, 180, 28}, {171, 126, 270, 42}}, {ValueId(1), {298, 88, 36, 20}, {447, 132, 54, 30}},
    {SliderId(2), {114, 116, 180, 28}, {171, 174, 270, 42}}, {ValueId(2), {298, 120, 36, 20}, {447, 180, 54, 30}},
    {SliderId(3), {114, 148, 180, 28}, {171, 222, 270, 42}}, {ValueId(3), {298, 152, 36, 20}, {447, 228, 54, 30}},
    {SliderId(4), {114, 180, 180, 28}, {171, 270, 270, 42}}, {ValueId(4), {298, 184, 36, 20}, {447, 276, 54, 30}},
    {SliderId(5), {456, 52, 180, 28}, {684, 78, 270, 42}}, {ValueId(5), {640, 56, 36, 20}, {960, 84, 54, 30}},
    {SliderId(6), {456, 84, 180, 28}, {684, 126, 270, 42}}, {ValueId(6), {640, 88, 36, 20}, {960, 132, 54, 30}},
    {SliderId(7), {456, 116, 180, 28}, {684, 174, 270, 42}}, {ValueId(7), {640, 120, 36, 20}, {960, 180, 54, 30}},
    {SliderId(8), {456, 148, 180, 28}, {684, 222, 270, 42}}, {ValueId(8), {640, 152, 36, 20}, {960, 228, 54, 30}},
    {SliderId(9), {456, 180, 180, 28}, {684, 270, 270, 42}}, {ValueId(9), {640, 184, 36, 20}, {960, 276, 54, 30}},
};

// Every control at its place for the DPI (96 or 144), in a client area 764 x 254 at 96 DPI (1146 x 381
// at 144) or taller, when a wrapping menu bar takes room.
inline void ExpectSuiteLaidOutFor(HWND suite, int dpi) {
  for (const SuiteControlPlace& place : kSuitePlaces) {
    const Rect& wanted = dpi == 144 ? place.at144 : place.at96;
    const RECT got = ChildRect(GetDlgItem(suite, place.id));
    EXPECT_EQ(got.left, wanted.left) << place.id;
    EXPECT_EQ(got.top, wanted.top) << place.id;
    EXPECT_EQ(got.right - got.left, wanted.width) << place.id;
    if (wanted.height != 0) {
      EXPECT_EQ(got.bottom - got.top, wanted.height) << place.id;
    }
  }
  RECT client{};
  GetClientRect(suite, &client);
  EXPECT_EQ(client.right, dpi == 144 ? 1146 : 764);
  EXPECT_GE(client.bottom, dpi == 144 ? 381 : 254);
}

}  // namespace corvanta::testing
