// The preference values: which colours a row of the effect list gets, the stored transparent colour and
// its labels, the extended style after a new colour key, the radio choices and where the windows open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prefs/colour_scheme_pickers.h"
#include "prefs/list_row_colours.h"
#include "prefs/preference_values.h"
#include "prefs/prefs_layout.h"
#include "settings/first_run.h"
#include "settings/setting_keys.h"
#include "settings/text.h"

namespace corvanta {
namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

TEST(ListRowColoursTest, DefaultSchemeRowsByParitySpecialRowAndSelection) {
  const ListColours scheme = ListColoursFrom(kDefaultProgramColours);
  const SharedRowColours shared{scheme.alternateBackground, scheme.selectedBackground, scheme.selectedText};
  const RowColours list{scheme.text, scheme.textBackground};  // what the list itself would draw
  const std::vector<SpecialRow> enabled{{3, scheme.enabledText, scheme.enabledBackground}};
  struct Case {
    int64_t row;
    bool selected;
    RowColours expected;
  };
  const Case cases[] = {
      {0, false, {Rgb(44, 44, 44), Rgb(240, 240, 240)}},
      {1, false, {Rgb(44, 44, 44), Rgb(230, 230, 230)}},
      {2, false, {Rgb(44, 44, 44), Rgb(240, 240, 240)}},
      {3, false, {Rgb(44, 44, 44), Rgb(188, 199, 212)}},  // the enabled row, odd as it is
      {3, true, {Rgb(255, 255, 0), Rgb(111, 127, 156)}},  // selection wins over the enabled row
      {4, true, {Rgb(255, 255, 0), Rgb(111, 127, 156)}},
      {5, true, {Rgb(255, 255, 0), Rgb(111, 127, 156)}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColourRow(list, c.row, c.selected, shared, enabled), c.expected) << "row " << c.row << " " << c.selected;
  }
}

TEST(ListRowColoursTest, EveryColourPaintsWhatItsKeySays) {
  // Nine distinct colours, so a swapped pair shows.
  ProgramColours colours{};
  for (int i = 0; i < kProgramColourCount; ++i) colours[i] = Rgb(10 * (i + 1), i, 0);
  const ListColours scheme = ListColoursFrom(colours);
  EXPECT_EQ(scheme.enabledText, colours[0]);
  EXPECT_EQ(scheme.enabledBackground, colours[1]);
  EXPECT_EQ(scheme.alternateBackground, colours[2]);
  EXPECT_EQ(scheme.selectedBackground, colours[3]);
  EXPECT_EQ(scheme.selectedText, colours[4]);
  EXPECT_EQ(scheme.text, colours[5]);
  EXPECT_EQ(scheme.textBackground, colours[6]);
  EXPECT_EQ(scheme.background, colours[7]);
  // A row without special rows of its own: only parity and selection count.
  const SharedRowColours shared{1, 2, 3};
  EXPECT_EQ(ColourRow({7, 8}, 6, false, shared, {}), (RowColours{7, 8}));
  EXPECT_EQ(ColourRow({7, 8}, 7, false, shared, {}), (RowColours{7, 1}));
  // Several special rows on one index: the last one added counts.
  const std::vector<SpecialRow> twice{{2, 20, 21}, {2, 30, 31}};
  EXPECT_EQ(ColourRow({7, 8}, 2, false, shared, twice), (RowColours{30, 31}));
}

TEST(ListRowColoursTest, DefaultSchemeIsTheFirstRunCatalogue) {
  for (const SettingEntry& entry : DefaultConfigEntries()) {
    if (std::string(entry.key.section) != keys::kColourSection) continue;
    const int index = ParseLeadingInt(std::string(entry.key.key).substr(1)) - 1;
    ASSERT_GE(index, 0);
    ASSERT_LT(index, kProgramColourCount);
    EXPECT_EQ(FormatInt(kDefaultProgramColours[index]), entry.value) << entry.key.key;
  }
}

TEST(ColourSchemePickersTest, EachColourHasItsOwnPickerWithTheLabelOfItsRole) {
  std::vector<bool> used(kColourPickerCount + 1, false);
  for (int picker : kPickerOfColour) {
    ASSERT_GE(picker, 1);
    ASSERT_LE(picker, kColourPickerCount);
    EXPECT_FALSE(used[picker]) << picker;
    used[picker] = true;
  }
  const char* labelOfColour[] = {"选中文本色", "选中背景色", "背景交换色", "临时背景色", "临时文本色",
                                 "文本颜色",   "文本背景色", "背景颜色",   "自选区线条"};
  for (int i = 0; i < kProgramColourCount; ++i) {
    EXPECT_STREQ(kPickerLabels[kPickerOfColour[i] - 1], labelOfColour[i]) << "C" << i + 1;
  }
  EXPECT_EQ(kPickerOfColour[8], kRegionLinePicker);
}

TEST(TransparentColourTest, StoredTextsGiveTheColourAndTheLabelsAsWritten) {
  struct Case {
    ColourTexts texts;
    uint32_t colour;
    const char* current;
  };
  const Case cases[] = {
      {{"208", "222", "227"}, Rgb(208, 222, 227), "当前透明色RGB:(208,222,227)"},
      {{"abc", "12x", ""}, Rgb(0, 12, 0), "当前透明色RGB:(abc,12x,)"},        // not numbers: 0 in the colour
      {{"300", "-1", "256"}, Rgb(44, 255, 0), "当前透明色RGB:(300,-1,256)"},  // low 8 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorRefOf(c.texts), c.colour) << c.current;
    EXPECT_EQ(CurrentColourLabel(c.texts), c.current);
  }
  EXPECT_EQ(PendingColourLabel({"1", "2", "3"}), "待选透明色RGB:(1,2,3)");
  EXPECT_EQ(ColourTextsOf(Rgb(1, 128, 255) | 0xFF000000u), (ColourTexts{"1", "128", "255"}));
  EXPECT_EQ(ColorRefOf(ColourTextsOf(Rgb(9, 99, 199))), Rgb(9, 99, 199));
}

TEST(TransparentColourTest, ALockedOverlayStaysClickThroughTopmostAndOffTheTaskbar) {
  constexpr uint32_t kOverlay = kExStyleTransparent | kExStyleTopmost | kExStyleToolWindow | kExStyleLayered;
  constexpr uint32_t kOther = 0x00000200;  // WS_EX_CLIENTEDGE: no part of a new colour key
  EXPECT_EQ(ExStyleForColourKey(kOverlay | kOther, true), kOverlay);
  EXPECT_EQ(ExStyleForColourKey(kExStyleTopmost, true), kExStyleTopmost | kExStyleLayered);
  // The start screen becomes layered alone, keeping only its place in the topmost band.
  EXPECT_EQ(ExStyleForColourKey(0, false), kExStyleLayered);
  EXPECT_EQ(ExStyleForColourKey(kOverlay | kOther, false), kExStyleTopmost | kExStyleLayered);
}

TEST(PreferenceChoicesTest, StoredValuesPickTheirRadioButtonOrNone) {
  EXPECT_EQ(FontSizeChoice(9), 0);
  EXPECT_EQ(FontSizeChoice(12), 3);
  EXPECT_EQ(FontSizeChoice(24), 7);
  for (int32_t notOffered : {0, 13, 15, 20, 25, -12}) EXPECT_FALSE(FontSizeChoice(notOffered)) << notOffered;
  EXPECT_EQ(FontSizeChoice(kDefaultListFontSize), 3);
  for (int32_t placement = 0; placement < 4; ++placement) EXPECT_EQ(PlacementChoice(placement), placement);
  EXPECT_FALSE(PlacementChoice(4));
  EXPECT_FALSE(PlacementChoice(-1));
}

TEST(PreferenceWindowsTest, OriginsAreTruncatedScreenPercentages) {
  EXPECT_EQ(AdvancedOptionsOrigin(1920, 1080, 350), (WindowOrigin{115, 643}));  // 115.2, 993.6 - 350
  EXPECT_EQ(AdvancedOptionsOrigin(1366, 768, 400), (WindowOrigin{81, 306}));    // 81.96, 706.56 - 400
  EXPECT_EQ(ColourSchemeOrigin(1920, 1080), (WindowOrigin{115, 86}));           // 86.4
  EXPECT_EQ(ColourSchemeOrigin(1366, 768), (WindowOrigin{81, 61}));             // 61.44
}

bool Inside(const Rect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

// A caption of 23 and borders of 4 at 96 DPI, as the classic frame has them; scaled with the DPI.
constexpr int kFrame = 8;
constexpr int kCaption = 23;

TEST(PreferenceWindowsTest, AdvancedOptionsControlsFitTheClientAreaWithoutOverlapAtEachScale) {
  for (int dpi : {96, 120, 144, 192}) {
    const int frame = kFrame * dpi / 96;
    const AdvancedOptionsLayout l = LayOutAdvancedOptions(dpi, frame);
    const int clientWidth = l.windowWidth - frame;
    const int clientHeight = l.windowHeight - frame - kCaption * dpi / 96;
    std::vector<Rect> all = {
        l.colourLabel,      l.picker,        l.currentColour,  l.pendingColour,   l.colour.apply,
        l.colour.defaults,  l.colour.status, l.placementLabel, l.placement.apply, l.placement.defaults,
        l.placement.status, l.fontLabel,     l.font.apply,     l.font.defaults,   l.font.status,
        l.followLabel,      l.followMove,    l.followClient,   l.follow.apply,    l.follow.defaults,
        l.follow.status};
    all.insert(all.end(), l.placementRadios.begin(), l.placementRadios.end());
    all.insert(all.end(), l.fontRadios.begin(), l.fontRadios.end());
    for (size_t i = 0; i < all.size(); ++i) {
      EXPECT_TRUE(Inside(all[i], clientWidth, clientHeight)) << "control " << i << " at " << dpi;
      for (size_t j = i + 1; j < all.size(); ++j)
        EXPECT_FALSE(Overlap(all[i], all[j])) << i << "/" << j << " at " << dpi;
    }
    // The group box holds the font radios, clear of its frame, and nothing else.
    const Rect& group = l.fontGroup;
    EXPECT_TRUE(Inside(group, clientWidth, clientHeight)) << dpi;
    for (const Rect& radio : l.fontRadios) {
      EXPECT_TRUE(Inside({radio.left - group.left - 2, radio.top - group.top - 2, radio.width + 4, radio.height + 4}, group.width,
                         group.height))
          << dpi;
    }
    for (size_t i = 0; i < all.size() - l.fontRadios.size(); ++i)
      EXPECT_FALSE(Overlap(all[i], group)) << i << " at " << dpi;
  }
}

TEST(PreferenceWindowsTest, ColourSchemeControlsFitTheClientAreaWithoutOverlapAtEachScale) {
  for (int dpi : {96, 120, 144, 192}) {
    const int frame = kFrame * dpi / 96;
    const ColourSchemeLayout l = LayOutColourScheme(dpi, frame);
    const int clientWidth = l.windowWidth - frame;
    const int clientHeight = l.windowHeight - frame - kCaption * dpi / 96;
    std::vector<Rect> all = {l.defaultsButton, l.status, l.randomButton, l.applyButton};
    all.insert(all.end(), l.labels.begin(), l.labels.end());
    all.insert(all.end(), l.pickers.begin(), l.pickers.end());
    for (size_t i = 0; i < all.size(); ++i) {
      EXPECT_TRUE(Inside(all[i], clientWidth, clientHeight)) << "control " << i << " at " << dpi;
      for (size_t j = i + 1; j < all.size(); ++j)
        EXPECT_FALSE(Overlap(all[i], all[j])) << i << "/" << j << " at " << dpi;
    }
    // Each picker on the row of its label, right of it.
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(l.pickers[n].top, l.labels[n].top);
      EXPECT_GT(l.pickers[n].left, l.labels[n].left + l.labels[n].width - 1);
    }
  }
}

}  // namespace
}  // namespace corvanta
