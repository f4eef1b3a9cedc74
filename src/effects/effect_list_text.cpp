#include "effects/effect_list_text.h"

#include <algorithm>

#include "settings/paths.h"
#include "settings/text.h"

namespace corvanta {

std::string MainCaptionFor(int index, std::string_view name) {
  std::string caption = "Corvanta_";
  caption.append(FormatInt(index)).append("-").append(name);
  return caption;
}

std::string MixedEntryName(std::string_view presetName, std::string_view pictureName) {
  std::string text = "【";
  text.append(presetName).append("】+【").append(pictureName).append("】");
  return text;
}

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

int RowOfEnabledIndex(int64_t enabledIndex, int rowCount) {
  return enabledIndex >= 0 && enabledIndex < rowCount ? static_cast<int>(enabledIndex) : -1;
}

std::string PicturePreviewCaption(std::string_view name, int width, int height) {
  std::string caption(name);
  caption.append("_").append(FormatInt(width)).append("x").append(FormatInt(height));
  return caption;
}

ClientSize PreviewClientSize(int pictureWidth, int pictureHeight) {
  return {std::max(pictureWidth, kPreviewMinClientWidth), std::max(pictureHeight, kPreviewMinClientHeight)};
}

}  // namespace corvanta
