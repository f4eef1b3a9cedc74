// The display mode and the main window's locked state. The display mode is stored in Config.ini as a
// letter; it is parsed here once and written back from here, and nothing else compares letters.
#pragma once

#include <string_view>

#include "settings/first_run.h"
#include "settings/setting_keys.h"

namespace corvanta {

enum class DisplayMode { kNone, kCustom, kPicture, kMixed };

// "C", "P" and "D" exactly (case matters); any other text is no mode.
DisplayMode ParseDisplayMode(std::string_view stored);
// The stored letter; the empty text for no mode.
const char* StoredDisplayMode(DisplayMode mode);
// The effect folder a mode lists or names files in ("C", "P", "D"); also its letter.
inline const char* EffectFolderLetter(DisplayMode mode) { return StoredDisplayMode(mode); }

// Config key and in-memory slot of a mode's enabled index; none for no mode.
const SettingKey* EnabledIndexKey(DisplayMode mode);
int32_t* EnabledIndexSlot(EnabledIndexes& indexes, DisplayMode mode);
const int32_t* EnabledIndexSlot(const EnabledIndexes& indexes, DisplayMode mode);

// Which entries of the effect list's popup menu a mode shows: custom mode previews or edits a preset,
// picture mode previews a picture, mixed mode only enables.
struct EffectMenuItems {
  bool previewPicture = false;
  bool previewOrEditPreset = false;
  bool enableSelected = false;
  bool deleteSelected = false;
  bool operator==(const EffectMenuItems&) const = default;
};
EffectMenuItems EffectMenuItemsFor(DisplayMode mode);

enum class LockedState { kNotLocked = 0, kLocked = 1, kMovingOrResizing = 5 };

}  // namespace corvanta
