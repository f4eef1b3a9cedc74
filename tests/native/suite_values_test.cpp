// The suite's sliders, values, texts and layout arithmetic.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "suite/suite_layout.h"
#include "suite/suite_text.h"
#include "suite/suite_values.h"

namespace corvanta {
namespace {

TEST(SuiteValuesTest, OpeningPositionsAreTheDefaultsAndStrength90) {
  const SliderPositions opening = OpeningPositions();
  EXPECT_EQ(PresetFromPositions(opening), kSuiteDefaultPreset);
  EXPECT_EQ(opening[static_cast<size_t>(SuiteSlider::kStrength)], 90);
}

TEST(SuiteValuesTest, PresetsPassThroughTheSlidersClamped) {
  SliderPositions positions = OpeningPositions();
  positions[static_cast<size_t>(SuiteSlider::kStrength)] = 200;
  const Preset wild{0, 99, -4, 300, 255, 101, -1, 100, 7};
  const SliderPositions loaded = PositionsWithPreset(positions, wild);
  EXPECT_EQ(PresetFromPositions(loaded), (Preset{1, 50, 0, 255, 255, 100, 0, 100, 7}));
  EXPECT_EQ(loaded[static_cast<size_t>(SuiteSlider::kStrength)], 200) << "strength is not part of a preset";
}

TEST(SuiteValuesTest, ColoursComposeAndSplitByComponent) {
  EXPECT_EQ(ToColorRef({12, 6, 2}), 0x0002060Cu);
  EXPECT_EQ(ToColorRef({256 + 1, -1, 0}), 0x0000FF01u) << "the low 8 bits of each component";
  EXPECT_EQ(ColourOf(0x00FF8001), (Colour{1, 128, 255}));
  EXPECT_EQ(ColourOf(0xAB030201), (Colour{1, 2, 3})) << "the top byte is no component";
  EXPECT_EQ(kDebugColourKey, 0x00FB02FCu);
  EXPECT_EQ(kSuiteBackdropColour, 0x00E5E1E0u);
}

TEST(SuiteTextTest, CaptionsAndBackdropLabel) {
  EXPECT_EQ(SuiteFileCaption("a.ini"), "自定义模式套件_当前文件：a.ini");
  EXPECT_EQ(SuiteSaveAsCaption("C:\\x\\b.ini"), "Corvanta自定义扫描配置套件_v10(正式版)_当前文件：C:\\x\\b.ini");
  EXPECT_EQ(BackdropLabel(0), "选动画[0]：");
  EXPECT_EQ(BackdropLabel(12), "选动画[12]：");
}

TEST(SuiteTextTest, BackdropLimitFromStoredText) {
  struct Row {
    const char* stored;
    int32_t limit;
  };
  const Row rows[] = {{"", 1000}, {"0", 0}, {"1", 1}, {"25abc", 25}, {"abc", 0}, {"-3", 0}, {" 7", 7}};
  for (const Row& row : rows) EXPECT_EQ(BackdropLimit(row.stored), row.limit) << '"' << row.stored << '"';
}

TEST(SuiteTextTest, HelpMessagesKeepTheirLinesApartWithCrLf) {
  const HelpMessage menu = MenuHelpMessage();
  EXPECT_STREQ(menu.caption, "菜单按钮说明:");
  EXPECT_EQ(menu.text.rfind("打开ini：", 0), 0u);
  EXPECT_NE(menu.text.find("。\r\n储存当前ini："), std::string::npos);
  const HelpMessage settings = SettingsHelpMessage();
  EXPECT_STREQ(settings.caption, "配置项说明:");
  EXPECT_NE(settings.text.find("{\r\n1.直线"), std::string::npos);
  EXPECT_EQ(settings.text.substr(settings.text.size() - 2), "。") << "no line break after the last line";
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

TEST(SuiteLayoutTest, ControlsFitTheClientAndDoNotOverlap) {
  for (int dpi : {96, 120, 144, 192}) {
    const SuiteLayout l = ComputeSuiteLayout(dpi);
    std::vector<Rect> rects = {l.openButton,       l.closeButton,      l.lineColourLabel, l.lineColourPicker,
                                      l.backgroundLabel,  l.backgroundPicker, l.backdropLabel,   l.randomButton,
                                      l.transparentCheckbox, l.saveButton,    l.saveAsButton};
    for (const SliderRow& row : l.rows) rects.insert(rects.end(), {row.label, row.slider, row.value});
    for (size_t i = 0; i < rects.size(); ++i) {
      EXPECT_LE(rects[i].left + rects[i].width, l.clientWidth) << "dpi " << dpi << " rect " << i;
      EXPECT_LE(rects[i].top + rects[i].height, l.clientHeight) << "dpi " << dpi << " rect " << i;
      for (size_t j = i + 1; j < rects.size(); ++j) {
        EXPECT_FALSE(Overlap(rects[i], rects[j])) << "dpi " << dpi << " rects " << i << " and " << j;
      }
    }
  }
}

// The rows start together in both columns, the label 8 pixels before its slider; "另存" sits under
// "随机", 10 pixels after "保存"; "随机" 5 pixels after the chooser.
TEST(SuiteLayoutTest, RowsAndBottomButtonsLineUp) {
  const SuiteLayout l = ComputeSuiteLayout(96);
  const auto& row = [&](SuiteSlider s) { return l.rows[static_cast<size_t>(s)]; };
  EXPECT_EQ(row(SuiteSlider::kRed).label, (Rect{10, 56, 96, 20}));
  EXPECT_EQ(row(SuiteSlider::kRed).slider, (Rect{114, 52, 180, 28}));
  EXPECT_EQ(row(SuiteSlider::kRed).value, (Rect{298, 56, 36, 20}));
  EXPECT_EQ(row(SuiteSlider::kGreen).slider.top, 84);
  EXPECT_EQ(row(SuiteSlider::kPixelSize).slider.top, 180);
  EXPECT_EQ(row(SuiteSlider::kStrength).slider, (Rect{456, 52, 180, 28}));
  EXPECT_EQ(row(SuiteSlider::kAntiskew).slider.top, 180);
  EXPECT_EQ(l.backdropChooser, (Rect{474, 15, 180, 240}));
  EXPECT_EQ(l.randomButton, (Rect{659, 10, 64, 28}));
  EXPECT_EQ(l.saveButton, (Rect{585, 216, 64, 28}));
  EXPECT_EQ(l.saveAsButton, (Rect{659, 216, 64, 28}));
  EXPECT_EQ(l.clientWidth, 764);
  EXPECT_EQ(l.clientHeight, 254);
  const SuiteLayout big = ComputeSuiteLayout(144);
  EXPECT_EQ(big.clientWidth, 1146);
  EXPECT_EQ(big.saveButton.left, 878);  // 585 * 1.5, rounded away from zero
}

TEST(SuiteLayoutTest, DebugAreaSitsCentredDirectlyAboveTheSuite) {
  struct Row {
    int screenW, screenH, suiteW, suiteH;
    Rect debug;
    Rect suite;  // starts where the debug area ends
  };
  const Row rows[] = {
      // 1920 x 1080: width 768, height trunc(780 * 0.8) = 624.
      {1920, 1080, 780, 300, {576, 78, 768, 624}, {570, 702, 780, 300}},
      // Fractions truncate toward zero: 546.4 wide, 373.6 high.
      {1366, 768, 700, 301, {410, 47, 546, 373}, {333, 420, 700, 301}},
  };
  for (const Row& row : rows) {
    const Rect debug = DebugAreaPlace(row.screenW, row.screenH, row.suiteH);
    EXPECT_EQ(debug, row.debug) << row.screenW;
    EXPECT_EQ(SuitePlace(row.screenW, row.screenH, row.suiteW, row.suiteH, debug.height), row.suite) << row.screenW;
  }
}

TEST(SuiteLayoutTest, BackdropCoversTheClientRectangle) {
  // An 800 x 600 window with 8-pixel borders and a 23-pixel caption: client 784 x 561.
  EXPECT_EQ(BackdropPlace({100, 50, 800, 600}, 784, 561), (Rect{108, 81, 784, 561}));
  EXPECT_EQ(BackdropPlace({0, 0, 300, 200}, 300, 200), (Rect{0, 0, 300, 200}));
}

TEST(SuiteLayoutTest, PictureFitsKeepingItsAspect) {
  struct Row {
    int pw, ph, bw, bh;
    Rect fit;
  };
  const Row rows[] = {
      {200, 100, 400, 400, {0, 100, 400, 200}},  // wide: full width, centred vertically
      {100, 200, 400, 400, {100, 0, 200, 400}},  // tall: full height, centred horizontally
      {50, 50, 300, 100, {100, 0, 100, 100}},    // enlarged too
      {4000, 1, 400, 300, {0, 149, 400, 1}},     // never thinner than a pixel
      {0, 10, 400, 300, {0, 0, 0, 0}},
  };
  for (const Row& row : rows) EXPECT_EQ(FitPicture(row.pw, row.ph, row.bw, row.bh), row.fit) << row.pw << "x" << row.ph;
}

}  // namespace
}  // namespace corvanta
