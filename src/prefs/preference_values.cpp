#include "prefs/preference_values.h"

#include "settings/text.h"
#include "shell/colour.h"

namespace corvanta {

std::optional<int> FontSizeChoice(int32_t storedSize) {
  for (size_t i = 0; i < kListFontSizes.size(); ++i) {
    if (kListFontSizes[i] == storedSize) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> PlacementChoice(int32_t storedPlacement) {
  if (storedPlacement < 0 || storedPlacement >= kPicturePlacementCount) return std::nullopt;
  return static_cast<int>(storedPlacement);
}

ColourTexts ColourTextsOf(uint32_t colour) {
  const Colour c = ColourOf(colour);
  return ColourTexts{FormatInt(c.red), FormatInt(c.green), FormatInt(c.blue)};
}

uint32_t ColorRefOf(const ColourTexts& texts) {
  return ToColorRef({ParseLeadingInt(texts.red), ParseLeadingInt(texts.green), ParseLeadingInt(texts.blue)});
}

namespace {

std::string ColourLabel(const char* prefix, const ColourTexts& texts) {
  return std::string(prefix) + texts.red + "," + texts.green + "," + texts.blue + ")";
}

}  // namespace

std::string CurrentColourLabel(const ColourTexts& texts) { return ColourLabel("当前透明色RGB:(", texts); }

std::string PendingColourLabel(const ColourTexts& texts) { return ColourLabel("待选透明色RGB:(", texts); }

uint32_t ExStyleForColourKey(uint32_t currentExStyle, bool overlayLocked) {
  const uint32_t kept = overlayLocked ? kExStyleTransparent | kExStyleTopmost | kExStyleToolWindow : kExStyleTopmost;
  return (currentExStyle & kept) | kExStyleLayered;
}

WindowOrigin AdvancedOptionsOrigin(int screenWidth, int screenHeight, int windowHeight) {
  return WindowOrigin{static_cast<int>(screenWidth / 100.0 * 6),
                      static_cast<int>(screenHeight / 100.0 * 92 - windowHeight)};
}

WindowOrigin ColourSchemeOrigin(int screenWidth, int screenHeight) {
  return WindowOrigin{static_cast<int>(screenWidth / 100.0 * 6), static_cast<int>(screenHeight / 100.0 * 8)};
}

}  // namespace corvanta
