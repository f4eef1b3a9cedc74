// The values behind the preference windows: the list font sizes and picture placements they offer, the
// transparent colour as the three texts of Config/Ar, Ag, Ab, the overlay's extended style after a new
// colour key, and where the windows open.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace corvanta {

// Config/TC choices, in the order of their radio buttons.
inline constexpr std::array<int, 8> kListFontSizes{9, 10, 11, 12, 14, 16, 18, 24};
inline constexpr int kDefaultListFontSize = 12;
// Config/Dp choices: 0 top-left, 1 scaled, 2 centred, 3 tiled.
inline constexpr int kPicturePlacementCount = 4;
inline constexpr int kDefaultPicturePlacement = 3;

// The radio button of a stored value; none for a value the window does not offer.
std::optional<int> FontSizeChoice(int32_t storedSize);
std::optional<int> PlacementChoice(int32_t storedPlacement);

// The transparent colour as stored: three decimal texts, shown as written.
struct ColourTexts {
  std::string red;
  std::string green;
  std::string blue;
  bool operator==(const ColourTexts&) const = default;
};

inline const ColourTexts kDefaultColourKeyTexts{"208", "222", "227"};

// Bits 0..7, 8..15 and 16..23 of a COLORREF as decimal texts.
ColourTexts ColourTextsOf(uint32_t colour);
// The COLORREF of the texts' leading integers, each cut to its low 8 bits (no digits give 0).
uint32_t ColorRefOf(const ColourTexts& texts);

// "当前透明色RGB:(r,g,b)" and "待选透明色RGB:(r,g,b)".
std::string CurrentColourLabel(const ColourTexts& texts);
std::string PendingColourLabel(const ColourTexts& texts);

// Extended style bits, as Win32 defines them.
inline constexpr uint32_t kExStyleTopmost = 0x00000008;
inline constexpr uint32_t kExStyleTransparent = 0x00000020;
inline constexpr uint32_t kExStyleToolWindow = 0x00000080;
inline constexpr uint32_t kExStyleLayered = 0x00080000;

// The main window's extended style once a new colour key is applied: layered, keeping the bits that
// make a locked overlay click-through, topmost and absent from the taskbar (a locked overlay that lost
// them would catch the clicks meant for the program under it). The topmost bit always stays: the
// window's place in the topmost band is not changed by its style.
uint32_t ExStyleForColourKey(uint32_t currentExStyle, bool overlayLocked);

struct WindowOrigin {
  int left = 0;
  int top = 0;
  bool operator==(const WindowOrigin&) const = default;
};

// Near the lower left corner: 6 % from the left, the bottom edge at 92 % of the screen height.
WindowOrigin AdvancedOptionsOrigin(int screenWidth, int screenHeight, int windowHeight);
// Near the upper left corner: 6 % from the left, 8 % from the top.
WindowOrigin ColourSchemeOrigin(int screenWidth, int screenHeight);

}  // namespace corvanta
