#include "hotkeys/hotkey_settings.h"

#include "platform/dpi_scale.h"
#include "settings/setting_keys.h"

namespace corvanta {

namespace {

constexpr const char* kSaving = "保存配置中...";
constexpr const char* kSaved = "成功保存并已生效！";
constexpr const char* kConflict = "检测到快捷按键有冲突！！！";
constexpr Colour kSaveBlue{102, 102, 255};
constexpr Colour kSaveGreen{102, 255, 102};
constexpr Colour kConflictRed{255, 102, 102};
constexpr Colour kStatusBlue{0, 128, 192};

// Per step: whether the light is lit, the saving case's light colour, and the delay to the next step.
struct StepPattern {
  bool lit;
  Colour saveLight;
  Colour saveStatusColour;
  unsigned nextDelay;
};
constexpr std::array<StepPattern, kSaveAnimationSteps> kSteps{{
    {true, kSaveBlue, kStatusBlue, 100},
    {false, kLightOff, kStatusBlue, 100},
    {true, kSaveBlue, kStatusBlue, 120},
    {false, kLightOff, kStatusBlue, 120},
    {true, kSaveBlue, kStatusBlue, 300},
    {false, kSaveGreen, kSaveGreen, 100},  // the save light turns green, the conflict light goes off
    {true, kSaveBlue, kStatusBlue, 200},
    {false, kLightOff, kStatusBlue, 100},
}};

// Design sizes at 96 DPI.
constexpr int kLabelWidth = 200, kLabelHeight = 40;
constexpr int kListWidth = 400, kListHeight = 40;
constexpr int kSmallButtonWidth = 72, kStatusWidth = 806, kLightWidth = 20, kSaveButtonWidth = 200;
constexpr int kMargin = 10, kRowGap = 15, kRowsPerColumn = 7;
constexpr int kRightColumnOffset = 636, kLeftListOffset = 212, kRightListOffset = 206, kListDrop = 4;
constexpr int kBottomRowGap = 28;

}  // namespace

std::vector<HotkeyKeyWrite> HotkeyKeyRepairs(const StoredHotkeyKeys& stored) {
  std::vector<HotkeyKeyWrite> writes;
  const auto defaults = HotkeySlotDefaults();
  if (!stored.names[kFixedHotkeySlot].empty()) writes.push_back({keys::HotkeyNameKey(kFixedHotkeySlot), ""});
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    if (stored.names[slot].empty()) writes.push_back({keys::HotkeyNameKey(slot), defaults[slot].name});
  }
  if (stored.picks[kFixedHotkeySlot] != "-1") writes.push_back({keys::HotkeyPickKey(kFixedHotkeySlot), "-1"});
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    if (stored.picks[slot].empty()) {
      writes.push_back({keys::HotkeyPickKey(slot), std::to_string(defaults[slot].pickIndex)});
    }
  }
  return writes;
}

std::optional<int> StoredPickIndex(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kPickListLastIndex) return std::nullopt;  // no overflow on long digit runs
  }
  if (negative && value != 0) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<std::pair<int, int>> FirstDuplicatePair(std::span<const std::string> texts) {
  for (size_t i = 0; i < texts.size(); ++i) {
    for (size_t j = i + 1; j < texts.size(); ++j) {
      if (texts[i] == texts[j]) return std::pair<int, int>{static_cast<int>(i), static_cast<int>(j)};
    }
  }
  return std::nullopt;
}

SaveAnimationStep SaveAnimationStepOf(int step, bool conflict) {
  const StepPattern& pattern = kSteps[static_cast<size_t>(step - 1)];
  if (conflict) return {pattern.lit ? kConflictRed : kLightOff, kConflict, kStatusRed, pattern.nextDelay};
  return {pattern.saveLight, step == kSaveAnimationSteps ? kSaved : kSaving, pattern.saveStatusColour,
          pattern.nextDelay};
}

std::string RefusedHotkeysReport(std::span<const std::string> refusedNames) {
  if (refusedNames.empty()) return {};
  std::string report = "以下快捷键已被占用：";
  for (size_t i = 0; i < refusedNames.size(); ++i) report += (i == 0 ? "" : "、") + refusedNames[i];
  return report;
}

HotkeySettingsLayout LayOutHotkeySettings(int frameWidth, int dpi) {
  auto s = [dpi](int design) { return DpiScale(design, dpi); };
  HotkeySettingsLayout layout;
  layout.windowWidth = s(2 * kLabelWidth + 2 * kListWidth + 80);
  layout.windowHeight = s(13 * kLabelHeight - kMargin) - frameWidth / 2;
  const int left = frameWidth + s(kMargin);
  for (int row = 0; row < kRowsPerColumn; ++row) {
    const int top = s(kMargin + row * (kLabelHeight + kRowGap));
    const int rightLeft = left + s(kRightColumnOffset);
    layout.labels[row] = {left, top, s(kLabelWidth), s(kLabelHeight)};
    layout.labels[row + kRowsPerColumn] = {rightLeft, top, s(kLabelWidth), s(kLabelHeight)};
    layout.lists[row] = {left + s(kLeftListOffset), top + s(kListDrop), s(kListWidth), s(kListHeight)};
    layout.lists[row + kRowsPerColumn] = {rightLeft + s(kRightListOffset), top + s(kListDrop), s(kListWidth),
                                          s(kListHeight)};
  }
  const int bottom = s(kMargin + (kRowsPerColumn - 1) * (kLabelHeight + kRowGap) + kLabelHeight + kBottomRowGap);
  const int height = s(kLabelHeight);
  auto rightOf = [&](const Rect& r, int gap, int width) {
    return Rect{r.left + r.width + s(gap), bottom, s(width), height};
  };
  layout.disableButton = {left, bottom, s(kSmallButtonWidth), height};
  layout.defaultsButton = rightOf(layout.disableButton, 8, kSmallButtonWidth);
  layout.status = rightOf(layout.defaultsButton, 1, kStatusWidth);
  layout.conflictLight = rightOf(layout.status, 18, kLightWidth);
  layout.saveLight = rightOf(layout.conflictLight, 8, kLightWidth);
  layout.saveButton = rightOf(layout.saveLight, 16, kSaveButtonWidth);
  return layout;
}

std::pair<int, int> HotkeySettingsPosition(int screenWidth, int screenHeight, int windowWidth) {
  return {static_cast<int>(static_cast<double>(screenWidth) / 100 * 94 - windowWidth),
          static_cast<int>(static_cast<double>(screenHeight) / 100 * 8)};
}

}  // namespace corvanta
