// The suite's sliders: a written value lands inside the slider's range and keeps its place when it was
// inside already, a preset of slider values comes back unchanged through the positions, the strength
// position is kept, and colours split back into their low bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "fuzz/fuzz_check.h"
#include "shell/colour.h"
#include "suite/suite_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  const auto slider = static_cast<SuiteSlider>(in.ConsumeIntegralInRange<int>(0, kSuiteSliderCount - 1));
  const int64_t value = in.ConsumeIntegral<int64_t>();
  const SliderDefinition& definition = DefinitionOf(slider);
  FUZZ_CHECK(definition.slider == slider && definition.minimum <= definition.maximum);
  FUZZ_CHECK(definition.openingPosition >= definition.minimum && definition.openingPosition <= definition.maximum);
  const int32_t clamped = ClampToSlider(slider, value);
  FUZZ_CHECK(clamped >= definition.minimum && clamped <= definition.maximum);
  FUZZ_CHECK((value >= definition.minimum && value <= definition.maximum) == (clamped == value));

  SliderPositions positions{};
  for (int32_t& p : positions) p = in.ConsumeIntegral<int32_t>();
  Preset preset;
  for (int32_t* v : {&preset.lineType, &preset.pixelSize, &preset.red, &preset.green, &preset.blue,
                     &preset.transverse, &preset.vertical, &preset.oblique, &preset.antiskew}) {
    *v = in.ConsumeIntegral<int32_t>();
  }
  const SliderPositions with = PositionsWithPreset(positions, preset);
  const int strength = static_cast<int>(SuiteSlider::kStrength);
  FUZZ_CHECK(with[strength] == positions[strength]);
  for (const SliderDefinition& d : SuiteSliders()) {
    if (d.slider == SuiteSlider::kStrength) continue;
    const int32_t p = with[static_cast<size_t>(d.slider)];
    FUZZ_CHECK(p >= d.minimum && p <= d.maximum);
  }
  const Preset back = PresetFromPositions(with);
  FUZZ_CHECK(PresetFromPositions(PositionsWithPreset(OpeningPositions(), back)) == back);
  FUZZ_CHECK(PositionsWithPreset(with, back) == with);

  const Colour parts = ColourOf(ToColorRef({preset.red, preset.green, preset.blue}));
  FUZZ_CHECK(parts == (Colour{preset.red & 0xFF, preset.green & 0xFF, preset.blue & 0xFF}));
  const uint32_t colour = in.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
  FUZZ_CHECK(ToColorRef(ColourOf(colour)) == colour);
  return 0;
}
