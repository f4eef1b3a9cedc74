// The suite's ten sliders (nine preset values and the preview strength): their labels, ranges and
// opening positions, and the conversions between slider positions, presets and colours.
#pragma once

#include <array>
#include <cstdint>

#include "effects/preset.h"
#include "shell/colour.h"

namespace corvanta {

enum class SuiteSlider : int {
  kRed,
  kGreen,
  kBlue,
  kLineType,
  kPixelSize,
  kStrength,
  kTransverse,
  kVertical,
  kOblique,
  kAntiskew,
};
inline constexpr int kSuiteSliderCount = 10;

struct SliderDefinition {
  SuiteSlider slider;
  const char* label;  // the text in front of the slider
  int32_t minimum;
  int32_t maximum;
  int32_t openingPosition;
};

// In layout order: left column rows 1..5, then right column rows 1..5.
const std::array<SliderDefinition, kSuiteSliderCount>& SuiteSliders();
const SliderDefinition& DefinitionOf(SuiteSlider slider);

// What a slider does with a value written into it.
int32_t ClampToSlider(SuiteSlider slider, int64_t value);

inline constexpr int32_t kSuiteStrengthDefault = 90;

// Slider positions indexed by SuiteSlider.
using SliderPositions = std::array<int32_t, kSuiteSliderCount>;

// The nine preset values from the positions (strength is not part of a preset).
Preset PresetFromPositions(const SliderPositions& positions);
// The preset written into the sliders: every value clamped to its slider; strength is kept.
SliderPositions PositionsWithPreset(SliderPositions positions, const Preset& preset);

// The sliders right after the suite opens.
SliderPositions OpeningPositions();


// The backdrop window's colour each time the suite opens: R,G,B 224,225,229.
inline constexpr uint32_t kSuiteBackdropColour = ToColorRef({224, 225, 229});
// The debug area's background and colour key: R,G,B 252,2,251.
inline constexpr uint32_t kDebugColourKey = ToColorRef({252, 2, 251});

}  // namespace corvanta
