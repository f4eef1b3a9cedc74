#include "suite/suite_values.h"

#include <algorithm>

namespace corvanta {

namespace {

constexpr std::array<SliderDefinition, kSuiteSliderCount> kSliders{{
    {SuiteSlider::kRed, "线条颜色【R】", 0, 255, kSuiteDefaultPreset.red},
    {SuiteSlider::kGreen, "线条颜色【G】", 0, 255, kSuiteDefaultPreset.green},
    {SuiteSlider::kBlue, "线条颜色【B】", 0, 255, kSuiteDefaultPreset.blue},
    {SuiteSlider::kLineType, "线条类型：", 1, 5, kSuiteDefaultPreset.lineType},
    {SuiteSlider::kPixelSize, "线条像素：", 0, 50, kSuiteDefaultPreset.pixelSize},
    {SuiteSlider::kStrength, "扫描强度：", 0, 255, kSuiteStrengthDefault},
    {SuiteSlider::kTransverse, "横线距离：", 0, 100, kSuiteDefaultPreset.transverse},
    {SuiteSlider::kVertical, "竖线距离：", 0, 100, kSuiteDefaultPreset.vertical},
    {SuiteSlider::kOblique, "斜线距离：", 0, 100, kSuiteDefaultPreset.oblique},
    {SuiteSlider::kAntiskew, "反斜线距离：", 0, 100, kSuiteDefaultPreset.antiskew},
}};

constexpr size_t Index(SuiteSlider slider) { return static_cast<size_t>(slider); }

// Which slider holds which preset member.
struct PresetSlot {
  SuiteSlider slider;
  int32_t Preset::*value;
};
constexpr std::array<PresetSlot, 9> kPresetSlots{{
    {SuiteSlider::kLineType, &Preset::lineType},
    {SuiteSlider::kPixelSize, &Preset::pixelSize},
    {SuiteSlider::kRed, &Preset::red},
    {SuiteSlider::kGreen, &Preset::green},
    {SuiteSlider::kBlue, &Preset::blue},
    {SuiteSlider::kTransverse, &Preset::transverse},
    {SuiteSlider::kVertical, &Preset::vertical},
    {SuiteSlider::kOblique, &Preset::oblique},
    {SuiteSlider::kAntiskew, &Preset::antiskew},
}};

}  // namespace

const std::array<SliderDefinition, kSuiteSliderCount>& SuiteSliders() { return kSliders; }

const SliderDefinition& DefinitionOf(SuiteSlider slider) {
  for (const SliderDefinition& definition : kSliders) {
    if (definition.slider == slider) return definition;
  }
  return kSliders.front();
}

int32_t ClampToSlider(SuiteSlider slider, int64_t value) {
  const SliderDefinition& definition = DefinitionOf(slider);
  return static_cast<int32_t>(std::clamp<int64_t>(value, definition.minimum, definition.maximum));
}

Preset PresetFromPositions(const SliderPositions& positions) {
  Preset preset;
  for (const PresetSlot& slot : kPresetSlots) preset.*slot.value = positions[Index(slot.slider)];
  return preset;
}

SliderPositions PositionsWithPreset(SliderPositions positions, const Preset& preset) {
  for (const PresetSlot& slot : kPresetSlots) {
    positions[Index(slot.slider)] = ClampToSlider(slot.slider, preset.*slot.value);
  }
  return positions;
}

SliderPositions OpeningPositions() {
  SliderPositions positions{};
  for (const SliderDefinition& definition : kSliders) positions[Index(definition.slider)] = definition.openingPosition;
  return positions;
}

}  // namespace corvanta
