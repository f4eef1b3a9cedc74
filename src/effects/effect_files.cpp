#include "effects/effect_files.h"

#include <iterator>

#include "settings/paths.h"

namespace corvanta {

std::string EffectFilePath(std::string_view programDir, DisplayMode displayMode, std::string_view name) {
  std::string path(programDir);
  path.append(paths::kEffectFolder).append("\\").append(EffectFolderLetter(displayMode)).append("\\").append(name);
  return path;
}

std::vector<std::string> EffectPatterns(std::string_view programDir, DisplayMode displayMode) {
  const std::string dir(programDir);
  if (displayMode == DisplayMode::kCustom) return {dir + paths::kPresetPattern};
  if (displayMode == DisplayMode::kPicture) return {dir + paths::kPngPattern, dir + paths::kBmpPattern};
  return {};
}

std::vector<std::string> ListEffectNames(std::string_view programDir, DisplayMode displayMode,
                                         const FileLister& lister) {
  std::vector<std::string> names;
  for (const std::string& pattern : EffectPatterns(programDir, displayMode)) {
    std::vector<std::string> found = lister(pattern);
    names.insert(names.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
  }
  return names;
}

}  // namespace corvanta
