// Presets and the mixed-mode pair over any stored file: the editing values lie in their slider ranges,
// a written preset reads back whatever the file held, and so does a written name (as the profile rules
// give it back), which a second write leaves alone.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "effects/preset.h"
#include "fuzz/fuzz_check.h"
#include "settings/memory_backend.h"
#include "settings/paths.h"
#include "settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  using namespace corvanta::fuzz;
  FuzzedDataProvider in(data, size);
  Preset written;
  for (int32_t* value : {&written.lineType, &written.pixelSize, &written.red, &written.green, &written.blue,
                         &written.transverse, &written.vertical, &written.oblique, &written.antiskew}) {
    *value = in.ConsumeIntegral<int32_t>();
  }
  const std::string name = in.ConsumeRandomLengthString(40);
  const std::string file = in.ConsumeRemainingBytesAsString();

  const std::string root = "C:\\P";
  MemoryBackend backend(root);
  backend.CreateFolder(root + "\\Effect");
  backend.CreateFolder(root + paths::kPresetFolder);
  backend.CreateFolder(root + paths::kMixedFolder);
  SettingsStore settings(backend, root);
  const std::string presetPath = settings.PathOf("\\Effect\\C\\x.ini");
  backend.PutBytes(presetPath, file);
  backend.PutBytes(settings.PathOf(paths::kMixedPairFile), file);

  const Preset editing = ReadPresetForEditing(settings, presetPath);
  FUZZ_CHECK(editing.lineType >= 1 && editing.lineType <= 5);
  FUZZ_CHECK(editing.pixelSize >= 0 && editing.pixelSize <= 50);
  for (const int32_t component : {editing.red, editing.green, editing.blue}) {
    FUZZ_CHECK(component >= 0 && component <= 255);
  }
  for (const int32_t spacing : {editing.transverse, editing.vertical, editing.oblique, editing.antiskew}) {
    FUZZ_CHECK(spacing >= 0 && spacing <= 100);
  }
  FUZZ_CHECK(WritePreset(settings, presetPath, written));
  FUZZ_CHECK(ReadPreset(settings, presetPath) == written);
  FUZZ_CHECK(ScanlinesOf(written).colour ==
             ((static_cast<uint32_t>(written.red) & 0xFF) | (static_cast<uint32_t>(written.green) & 0xFF) << 8 |
              (static_cast<uint32_t>(written.blue) & 0xFF) << 16));

  const MixedPair before = ReadMixedPair(settings);
  WriteMixedPresetName(settings, name);
  const MixedPair after = ReadMixedPair(settings);
  if (!HasLineBreak(name)) {
    std::string expected(WithoutQuotes(TrimIniBlanks(name)));
    if (expected.size() > SettingsStore::kReadBufferSize - 1) expected.resize(SettingsStore::kReadBufferSize - 1);
    FUZZ_CHECK(after.presetName == expected);
    FUZZ_CHECK(after.pictureName == before.pictureName);
    const std::string bytes = *backend.BytesAt(settings.PathOf(paths::kMixedPairFile));
    WriteMixedPresetName(settings, name);
    FUZZ_CHECK(*backend.BytesAt(settings.PathOf(paths::kMixedPairFile)) == bytes);
  }
  return 0;
}
