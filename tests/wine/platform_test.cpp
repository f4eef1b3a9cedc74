// The small platform helpers: GDI ownership, the UI font for a DPI, the text conversion.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/text_conv.h"

namespace corvanta {
namespace {

bool IsLiveGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(PlatformTest, ScopedGdiObjectDeletesOnlyWhatItGivesUp) {
  HBRUSH first = CreateSolidBrush(RGB(1, 2, 3));
  HBRUSH second = CreateSolidBrush(RGB(4, 5, 6));
  {
    ScopedBrush brush(first);
    brush.Reset(first);  // the handle it already holds stays alive
    EXPECT_TRUE(IsLiveGdiObject(first));
    brush.Reset(second);
    EXPECT_FALSE(IsLiveGdiObject(first));
    EXPECT_TRUE(IsLiveGdiObject(second));
    ScopedBrush moved(std::move(brush));
    EXPECT_EQ(brush.Get(), nullptr);
    EXPECT_EQ(moved.Get(), second);
  }
  EXPECT_FALSE(IsLiveGdiObject(second));
}

TEST(PlatformTest, ScopedSelectPutsTheOldObjectBack) {
  ScopedMemoryDC dc(nullptr);
  ScopedPen pen(CreatePen(PS_SOLID, 1, RGB(9, 9, 9)));
  HGDIOBJ before = GetCurrentObject(dc.Get(), OBJ_PEN);
  {
    ScopedSelect select(dc.Get(), pen.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), pen.Get());
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), before);
}

TEST(PlatformTest, UiFontHeightFollowsPointsAndDpi) {
  struct Case {
    int points, dpi;
    LONG height;
  } cases[] = {{11, 96, -15}, {11, 144, -22}, {12, 96, -16}, {12, 120, -20}, {24, 192, -64}};
  for (const Case& c : cases) {
    ScopedFont font = CreateUiFont(c.points, c.dpi);
    ASSERT_TRUE(font);
    LOGFONTW info{};
    GetObjectW(font.Get(), sizeof(info), &info);
    EXPECT_EQ(info.lfHeight, c.height) << c.points << " pt at " << c.dpi;
    EXPECT_EQ(FromWide(info.lfFaceName), "微软雅黑");
  }
}

TEST(PlatformTest, TextConversionUsesCodePage936WhateverTheSystemCodePage) {
  EXPECT_EQ(ToWide("\xD6\xC3\xB6\xA5"), L"\u7F6E\u9876");  // 置顶
  EXPECT_EQ(FromWide(L"\u7F6E\u9876"), "\xD6\xC3\xB6\xA5");
  EXPECT_EQ(FromWide(L"a\uD504b"), "a?b");  // Hangul has no GBK form
  EXPECT_TRUE(RepresentableInGbk(L"\u7ECF\u5178.ini"));
  EXPECT_FALSE(RepresentableInGbk(L"\uD504"));
  EXPECT_EQ(ToWide(""), L"");
}

TEST(PlatformTest, FoldersWithTheSameLossyNameKeepTheirOwnAliases) {
  const std::string first = RegisterPathAlias("C:\\x\\??", L"C:\\x\\\uC124\uC815");
  const std::string second = RegisterPathAlias("C:\\x\\??", L"C:\\x\\\uC124\uBA85");
  EXPECT_EQ(first, "C:\\x\\??");
  EXPECT_NE(second, first);
  EXPECT_EQ(RegisterPathAlias("C:\\x\\??", L"C:\\x\\\uC124\uC815"), first);  // registered once
  EXPECT_EQ(WidePath(first + "\\Config\\Config.ini"), L"C:\\x\\\uC124\uC815\\Config\\Config.ini");
  EXPECT_EQ(WidePath(second + "\\Images"), L"C:\\x\\\uC124\uBA85\\Images");
  EXPECT_EQ(WidePath("C:\\x\\??9\\a"), ToWide("C:\\x\\??9\\a"));  // only whole folder names match
}

}  // namespace
}  // namespace corvanta
