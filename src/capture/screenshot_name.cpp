#include "capture/screenshot_name.h"

#include "settings/text.h"

namespace corvanta {

namespace {

// More shots than this in one second are not worth a longer search: the last one is overwritten.
constexpr int kMaxNumberedNames = 10000;

}  // namespace

std::string ScreenshotBaseName(const ShotTime& t) {
  std::string name = FormatInt(t.year) + "年" + FormatInt(t.month) + "月" + FormatInt(t.day) + "日";
  const std::string hour = FormatInt(t.hour) + "时";
  const std::string minute = FormatInt(t.minute) + "分";
  if (t.second != 0) return name + hour + minute + FormatInt(t.second) + "秒";
  if (t.minute != 0) return name + hour + minute;
  if (t.hour != 0) return name + hour;
  return name;
}

std::string FreeScreenshotName(std::string_view baseName, std::string_view extension,
                               const std::function<bool(const std::string&)>& taken) {
  std::string name = std::string(baseName) + std::string(extension);
  for (int number = 2; taken(name) && number <= kMaxNumberedNames; ++number) {
    name = std::string(baseName) + "(" + FormatInt(number) + ")" + std::string(extension);
  }
  return name;
}

}  // namespace corvanta
