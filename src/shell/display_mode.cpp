#include "shell/display_mode.h"

namespace corvanta {

DisplayMode ParseDisplayMode(std::string_view stored) {
  if (stored == "C") return DisplayMode::kCustom;
  if (stored == "P") return DisplayMode::kPicture;
  if (stored == "D") return DisplayMode::kMixed;
  return DisplayMode::kNone;
}

const char* StoredDisplayMode(DisplayMode mode) {
  switch (mode) {
    case DisplayMode::kCustom:
      return "C";
    case DisplayMode::kPicture:
      return "P";
    case DisplayMode::kMixed:
      return "D";
    case DisplayMode::kNone:
      break;
  }
  return "";
}

const SettingKey* EnabledIndexKey(DisplayMode mode) {
  switch (mode) {
    case DisplayMode::kCustom:
      return &keys::kEnabledCustom;
    case DisplayMode::kPicture:
      return &keys::kEnabledPicture;
    case DisplayMode::kMixed:
      return &keys::kEnabledMixed;
    case DisplayMode::kNone:
      break;
  }
  return nullptr;
}

int32_t* EnabledIndexSlot(EnabledIndexes& indexes, DisplayMode mode) {
  switch (mode) {
    case DisplayMode::kCustom:
      return &indexes.custom;
    case DisplayMode::kPicture:
      return &indexes.picture;
    case DisplayMode::kMixed:
      return &indexes.mixed;
    case DisplayMode::kNone:
      break;
  }
  return nullptr;
}

const int32_t* EnabledIndexSlot(const EnabledIndexes& indexes, DisplayMode mode) {
  return EnabledIndexSlot(const_cast<EnabledIndexes&>(indexes), mode);
}

EffectMenuItems EffectMenuItemsFor(DisplayMode mode) {
  switch (mode) {
    case DisplayMode::kCustom:
      return {.previewPicture = false, .previewOrEditPreset = true, .enableSelected = true, .deleteSelected = true};
    case DisplayMode::kPicture:
      return {.previewPicture = true, .previewOrEditPreset = false, .enableSelected = true, .deleteSelected = true};
    case DisplayMode::kMixed:
      return {.previewPicture = false, .previewOrEditPreset = false, .enableSelected = true, .deleteSelected = false};
    case DisplayMode::kNone:
      break;
  }
  return {};
}

}  // namespace corvanta
