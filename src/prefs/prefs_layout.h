// Layout arithmetic of the two preference windows. Every number is a design size at 96 DPI scaled to
// the window's DPI; rows are measured in heights of the first label. frameWidth is the difference
// between the window's outer width and its client width.
#pragma once

#include <array>

#include "shell/geometry.h"

namespace corvanta {

// One section's "确定", "默认" and status label.
struct SectionButtons {
  Rect apply;
  Rect defaults;
  Rect status;
};

struct AdvancedOptionsLayout {
  int windowWidth = 0;
  int windowHeight = 0;
  Rect colourLabel;  // "图片模式透明色："
  Rect picker;
  Rect currentColour;
  Rect pendingColour;
  SectionButtons colour;
  Rect placementLabel;
  std::array<Rect, 4> placementRadios;  // 左上, 缩放, 居中, 平铺
  SectionButtons placement;
  Rect fontLabel;
  Rect fontGroup;
  std::array<Rect, 8> fontRadios;  // in the order of kListFontSizes
  SectionButtons font;
  Rect followLabel;  // "吸附窗口："
  Rect followMove;   // "跟随窗口移动"
  Rect followClient;  // "仅覆盖客户区"
  SectionButtons follow;
};

AdvancedOptionsLayout LayOutAdvancedOptions(int dpi, int frameWidth);

struct ColourSchemeLayout {
  int windowWidth = 0;
  int windowHeight = 0;
  // Picker n (1..9) and its label at index n - 1: odd pickers on the left, even ones on the right.
  std::array<Rect, 9> labels;
  std::array<Rect, 9> pickers;
  Rect defaultsButton;
  Rect status;
  Rect randomButton;
  Rect applyButton;
};

ColourSchemeLayout LayOutColourScheme(int dpi, int frameWidth);

}  // namespace corvanta
