#include "effects/effect_list_text.h"

#include <algorithm>

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

int RowOfEnabledIndex(int64_t enabledIndex, int rowCount) {
  return enabledIndex >= 0 && enabledIndex < rowCount ? static_cast<int>(enabledIndex) : -1;
}

std::string PicturePreviewCaption(std::string_view name, int width, int height) {
  std::string caption(name);
  caption.append("_").append(FormatInt(width)).append("x").append(FormatInt(height));
  return caption;
}

Size PreviewClientSize(int pictureWidth, int pictureHeight) {
  return {std::max(pictureWidth, kPreviewMinClientWidth), std::max(pictureHeight, kPreviewMinClientHeight)};
}

}  // namespace corvanta
