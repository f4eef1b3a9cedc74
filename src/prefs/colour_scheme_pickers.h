// Which picker of "程序配色" holds which program colour, and the label beside each picker.
#pragma once

#include <array>

namespace corvanta {

inline constexpr int kColourPickerCount = 9;

// The picker (1..9) of C1..C9.
inline constexpr std::array<int, kColourPickerCount> kPickerOfColour{6, 5, 3, 7, 8, 2, 4, 1, 9};

// The label of pickers 1..9.
inline constexpr std::array<const char*, kColourPickerCount> kPickerLabels{"背景颜色",   "文本颜色",   "背景交换色",
                                                                           "文本背景色", "选中背景色", "选中文本色",
                                                                           "临时背景色", "临时文本色", "自选区线条"};

// The picker of C9, the custom region's line colour: it does not take part in the list's preview.
inline constexpr int kRegionLinePicker = 9;

}  // namespace corvanta
