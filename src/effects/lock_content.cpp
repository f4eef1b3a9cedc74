#include "effects/lock_content.h"

#include <optional>

#include "effects/preset.h"
#include "platform/files.h"
#include "settings/paths.h"
#include "shell/program.h"

namespace corvanta {

namespace {

std::optional<Scanlines> ScanlinesOfPresetFile(const SettingsStore& settings, const std::string& presetName) {
  const std::string path = settings.PathOf(paths::kPresetFolder) + "\\" + presetName;
  if (!FileExists(path)) return std::nullopt;
  return ScanlinesOf(ReadPreset(settings, path));
}

}  // namespace

LockRequest LockRequestFor(const Program& program, const std::string& presetName, const std::string& pictureName) {
  const SettingsStore& settings = program.Settings();
  const ProgramState& state = program.State();
  const std::string pictureFolder = settings.PathOf(paths::kPictureFolder) + "\\";
  LockRequest request;
  switch (state.displayMode) {
    case DisplayMode::kCustom:
      request.scanlines = ScanlinesOfPresetFile(settings, presetName);
      break;
    case DisplayMode::kMixed:
      request.scanlines = ScanlinesOfPresetFile(settings, ReadMixedPair(settings).presetName);
      request.picturePath = pictureFolder + state.mixedPictureName;
      break;
    case DisplayMode::kPicture:
      request.picturePath = pictureFolder + pictureName;
      break;
    case DisplayMode::kNone:
      break;
  }
  return request;
}

}  // namespace corvanta
