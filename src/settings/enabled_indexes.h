// The enabled entry of each display mode's effect list: 0-based indexes stored as Config/GetD, GetC
// and GetP.
#pragma once

#include <cstdint>

#include "settings/settings_store.h"

namespace corvanta {

struct EnabledIndexes {
  int32_t mixed = 0;    // GetD
  int32_t custom = 0;   // GetC
  int32_t picture = 0;  // GetP
};

EnabledIndexes ReadEnabledIndexes(const SettingsStore& settings);

}  // namespace corvanta
