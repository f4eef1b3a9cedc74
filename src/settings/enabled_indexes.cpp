#include "settings/enabled_indexes.h"

#include "settings/setting_keys.h"

namespace corvanta {

EnabledIndexes ReadEnabledIndexes(const SettingsStore& settings) {
  return {settings.ConfigInt(keys::kEnabledMixed), settings.ConfigInt(keys::kEnabledCustom),
          settings.ConfigInt(keys::kEnabledPicture)};
}

}  // namespace corvanta
