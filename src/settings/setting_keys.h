// Every section/key pair of Config.ini, named once. Code reads and writes settings through these names,
// never through raw section and key texts.
#pragma once

#include <string>

namespace corvanta {

struct SettingKey {
  const char* section;
  const char* key;
};

namespace keys {

inline constexpr SettingKey kColourKeyRed{"Config", "Ar"};
inline constexpr SettingKey kColourKeyGreen{"Config", "Ag"};
inline constexpr SettingKey kColourKeyBlue{"Config", "Ab"};
inline constexpr SettingKey kNum{"Config", "Num"};
inline constexpr SettingKey kTopmost{"Config", "Top"};
inline constexpr SettingKey kDisplayMode{"Config", "SetP"};
inline constexpr SettingKey kEnabledMixed{"Config", "GetD"};
inline constexpr SettingKey kEnabledCustom{"Config", "GetC"};
inline constexpr SettingKey kEnabledPicture{"Config", "GetP"};
inline constexpr SettingKey kFirstRunDone{"Config", "First"};
inline constexpr SettingKey kStrength{"Config", "Alpha"};
inline constexpr SettingKey kWidth{"Config", "W"};
inline constexpr SettingKey kHeight{"Config", "H"};
inline constexpr SettingKey kLeft{"Config", "L"};
inline constexpr SettingKey kTop{"Config", "T"};
inline constexpr SettingKey kPicturePlacement{"Config", "Dp"};
inline constexpr SettingKey kListFontSize{"Config", "TC"};
inline constexpr SettingKey kBackdropLimit{"Config", "SZ"};
inline constexpr SettingKey kVersionNumber{"Config", "Number"};
inline constexpr SettingKey kRegionHint{"Tips", "TS"};
inline constexpr SettingKey kAutoPreview{"Preview", "Pre"};
inline constexpr SettingKey kAutoOpenImages{"Folder", "Auto"};
inline constexpr SettingKey kScreenshotIncludesSelf{"Self", "Switch"};
inline constexpr SettingKey kHotkeyHints{"SP", "TST"};
// The overlay locked by smart attach follows its window; it covers only the window's client area.
inline constexpr SettingKey kFollowWindow{"Follow", "Move"};
inline constexpr SettingKey kFollowClientArea{"Follow", "Client"};

// Program colours C1..C9 (index 0..8), hotkey names sck0..sck14 and pick-list indexes sx0..sx14.
inline constexpr const char* kColourSection = "Color";
inline constexpr const char* kHotkeySection = "SCK";
inline std::string ProgramColourKey(int index) { return "C" + std::to_string(index + 1); }
inline std::string HotkeyNameKey(int slot) { return "sck" + std::to_string(slot); }
inline std::string HotkeyPickKey(int slot) { return "sx" + std::to_string(slot); }

}  // namespace keys
}  // namespace corvanta
