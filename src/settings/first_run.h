// First-run defaults of Config.ini, the first-run selection and the list font size clamp.
#pragma once

#include <cstdint>
#include <span>

#include "settings/enabled_indexes.h"
#include "settings/settings_store.h"

namespace corvanta {

struct SettingEntry {
  SettingKey key;
  const char* value;
};

// The complete default set in the order it is written.
std::span<const SettingEntry> DefaultConfigEntries();

// Ensures \Config, writes the default set when Config.ini is missing, then ensures the effect and
// screenshot folders in order. Returns whether the default set was written (a first start).
bool PrepareSettingsFiles(SettingsStore& settings);

inline constexpr EnabledIndexes kFirstRunSelection{0, 23, 3};

// When `First` reads 0, writes GetD, GetC, GetP of the first-run selection and First=1, and puts
// that selection into indexes. Returns whether it was applied.
bool ApplyFirstRunSelection(SettingsStore& settings, EnabledIndexes& indexes);

inline constexpr int32_t kMinFontSize = 9;
inline constexpr int32_t kMaxFontSize = 24;

// Reads `TC`, clamps it to 9..24 and writes the clamped value back when it changed.
int32_t ReadClampedFontSize(SettingsStore& settings);

}  // namespace corvanta
