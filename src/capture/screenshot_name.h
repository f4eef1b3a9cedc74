// Screenshot file names: the local date and time of the shot in Chinese, and a numbered variant when
// that name is already taken.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace corvanta {

struct ShotTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "2021年9月5日8时3分" (GBK): the date, then the time down to its last non-zero part (the hour, minute
// and second; at midnight exactly the date alone).
std::string ScreenshotBaseName(const ShotTime& time);

// Base name + extension, or when a file of that name exists, base + "(2)" + extension, then "(3)", ...
// `taken` tells whether a file name (no folder) is in use.
std::string FreeScreenshotName(std::string_view baseName, std::string_view extension,
                               const std::function<bool(const std::string&)>& taken);

}  // namespace corvanta
