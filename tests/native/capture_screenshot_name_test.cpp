#include "capture/screenshot_name.h"

#include <gtest/gtest.h>

#include <set>

namespace corvanta {
namespace {

TEST(CaptureScreenshotName, DateAndTimeDownToTheLastNonZeroPart) {
  struct Row {
    ShotTime time;
    const char* name;
  };
  const Row rows[] = {
      {{2021, 9, 5, 0, 0, 0}, "2021年9月5日"},
      {{2021, 9, 5, 8, 3, 0}, "2021年9月5日8时3分"},
      {{2021, 9, 5, 0, 0, 7}, "2021年9月5日0时0分7秒"},
      {{2021, 9, 5, 13, 0, 0}, "2021年9月5日13时"},
      {{2021, 12, 31, 0, 10, 0}, "2021年12月31日0时10分"},
      {{2021, 1, 1, 23, 59, 59}, "2021年1月1日23时59分59秒"},
  };
  for (const Row& row : rows) EXPECT_EQ(ScreenshotBaseName(row.time), row.name);
}

TEST(CaptureScreenshotName, NumbersANameAlreadyTaken) {
  std::set<std::string> existing;
  auto taken = [&existing](const std::string& name) { return existing.count(name) != 0; };
  const std::string base = ScreenshotBaseName({2021, 9, 5, 8, 3, 0});
  EXPECT_EQ(FreeScreenshotName(base, ".png", taken), base + ".png");
  existing.insert(base + ".png");
  EXPECT_EQ(FreeScreenshotName(base, ".png", taken), base + "(2).png");
  EXPECT_EQ(FreeScreenshotName(base, ".jpg", taken), base + ".jpg");  // other formats are other files
  existing.insert(base + "(2).png");
  existing.insert(base + "(3).png");
  EXPECT_EQ(FreeScreenshotName(base, ".png", taken), base + "(4).png");
  // A search that never ends is cut off with the last candidate rather than looping forever.
  const std::string last = FreeScreenshotName(base, ".gif", [](const std::string&) { return true; });
  EXPECT_EQ(last, base + "(10000).gif");
}

}  // namespace
}  // namespace corvanta
