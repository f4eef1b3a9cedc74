// The settings store and the file functions over real files, in a temporary program directory. The suites
// pass under every ANSI code page: run them with LC_ALL=zh_CN.UTF-8 (936) and LC_ALL=C.UTF-8 (1252).
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <vector>

#include "platform/files.h"
#include "platform/program_dir.h"
#include "platform/text_conv.h"
#include "platform/win32_backend.h"
#include "settings/first_run.h"
#include "settings/ini_text.h"
#include "settings/paths.h"
#include "settings/settings_store.h"
#include "temp_program_dir.h"

namespace corvanta {
namespace {

using testing::TempProgramDir;

// GBK characters whose trail byte is ASCII punctuation or a letter (sources are compiled to GBK):
// 礬 B5 5C ('\'), 礫 B5 5B ('['), 礭 B5 5D (']'), 億 83 7C ('|'), 礎 B5 41 ('A'), 礱 B5 61 ('a').
constexpr const char* kTrailByteText = "礬礫礭億礎礱";

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class SettingsWineTest : public ::testing::Test {
 protected:
  SettingsWineTest() : settings_(backend_, dir_.Path()) {}
  TempProgramDir dir_;
  Win32SettingsBackend backend_;
  SettingsStore settings_;
};

TEST_F(SettingsWineTest, DefaultsAreWrittenInCatalogueOrderWithTheProfileWritersLayout) {
  PrepareSettingsFiles(settings_);
  std::string expected;
  std::string section;
  for (const SettingEntry& entry : DefaultConfigEntries()) {
    if (section != entry.key.section) expected += "[" + (section = entry.key.section) + "]\r\n";
    expected += std::string(entry.key.key) + "=" + entry.value + "\r\n";
  }
  EXPECT_EQ(dir_.ReadFile(paths::kConfigFile), expected);
  for (const char* folder : {"\\Config", "\\Effect", "\\Effect\\D", "\\Effect\\P", "\\Effect\\C", "\\Images"}) {
    EXPECT_TRUE(IsFolder(dir_.AttributesOf(folder))) << folder;
  }
}

TEST_F(SettingsWineTest, ReadsAndWritesThroughTheFile) {
  dir_.MakeFolder("\\Config");
  dir_.WriteFile(paths::kConfigFile, "[Other]\r\nKeep=yes\r\n[Config]\r\nTop=01\r\n[Tips]\r\nTS=01\r\n");
  EXPECT_FALSE(settings_.ConfigTextFlag("Config", "Top"));
  EXPECT_TRUE(settings_.ConfigIntFlag("Tips", "TS"));
  EXPECT_TRUE(settings_.SetConfigInt("Config", "TC", 24));
  EXPECT_EQ(dir_.ReadFile(paths::kConfigFile),
            "[Other]\r\nKeep=yes\r\n[Config]\r\nTop=01\r\nTC=24\r\n[Tips]\r\nTS=01\r\n");
  EXPECT_EQ(settings_.Config("config", "tc"), "24");
}

TEST_F(SettingsWineTest, BlankSectionOrKeyNeverTouchesTheFile) {
  EXPECT_FALSE(settings_.SetConfig("   ", "Key", "x"));
  EXPECT_FALSE(settings_.SetConfig("Config", " ", "x"));
  EXPECT_EQ(dir_.AttributesOf(paths::kConfigFile), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(settings_.Config(" ", "Key"), "");
}

TEST_F(SettingsWineTest, LongValueIsCutTo10239Bytes) {
  dir_.MakeFolder("\\Config");
  dir_.WriteFile(paths::kConfigFile, "[Config]\r\nLong=" + std::string(20000, '7') + "\r\n");
  const std::string value = settings_.Config("Config", "Long");
  EXPECT_EQ(value.size(), 10239u);
  EXPECT_EQ(settings_.ConfigInt("Config", "Long"), INT32_MAX);
}

TEST_F(SettingsWineTest, WritesThatCannotReachTheFileFailAndKeepWhatWasThere) {
  dir_.MakeFolder("\\Config");
  dir_.MakeFolder("\\Config\\Folder.ini");
  dir_.WriteFile("\\Config\\ReadOnly.ini", "[A]\r\nx=1\r\n");
  SetFileAttributesW(dir_.ExactPathOf("\\Config\\ReadOnly.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  const struct {
    const char* relative;
    const char* value;
    bool written;
  } cases[] = {
      {"\\Missing\\N.ini", "2", false},
      {"\\Config\\Folder.ini", "2", false},
      {"\\Config\\ReadOnly.ini", "2", false},
      {"\\Config\\ReadOnly.ini", "1", true},  // the file already holds that value
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings_.Write(dir_.PathOf(c.relative), "A", "x", c.value), c.written) << c.relative;
    EXPECT_EQ(WriteWholeFile(dir_.PathOf(c.relative), Bytes("[A]\r\nx=3\r\n")), false) << c.relative;
    EXPECT_EQ(dir_.AttributesOf(std::string(c.relative) + ".tmp"), INVALID_FILE_ATTRIBUTES) << c.relative;
  }
  EXPECT_TRUE(IsFolder(dir_.AttributesOf("\\Config\\Folder.ini")));
  EXPECT_EQ(dir_.ReadFile("\\Config\\ReadOnly.ini"), "[A]\r\nx=1\r\n");
  EXPECT_FALSE(DeleteFileAt(dir_.PathOf("\\Config\\ReadOnly.ini")));
}

// A full disk: scripts/wine-env.sh makes the temporary sibling of C:\corvanta-full-disk\Full.ini a link
// to /dev/full, so the write fails part way as on a disk that has run out of room. (Wine cannot delete
// that link, so whether the sibling is cleared away is checked with the other failures above.)
TEST_F(SettingsWineTest, AWriteThatRunsOutOfRoomFailsAndKeepsTheFileWhole) {
  const std::string path = "C:\\corvanta-full-disk\\Full.ini";
  const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "[A]\r\nx=1\r\n", 10, &written, nullptr);
  CloseHandle(file);
  EXPECT_FALSE(settings_.Write(path, "A", "x", std::string(100000, '2'))) << "run under scripts/wine-env.sh";
  EXPECT_FALSE(WriteWholeFile(path, Bytes("[A]\r\nx=3\r\n")));
  EXPECT_EQ(TryReadWholeFile(path), Bytes("[A]\r\nx=1\r\n"));
}

TEST_F(SettingsWineTest, WholeFilesAreReplacedThroughATemporarySibling) {
  dir_.MakeFolder("\\Config");
  dir_.WriteFile(paths::kConfigFile, "[Config]\r\nAr=1\r\n");
  dir_.WriteFile(std::string(paths::kConfigFile) + ".tmp", "left by a crash");
  EXPECT_TRUE(settings_.SetConfig("Config", "Ar", "2"));
  EXPECT_EQ(dir_.ReadFile(paths::kConfigFile), "[Config]\r\nAr=2\r\n");
  EXPECT_EQ(dir_.AttributesOf(std::string(paths::kConfigFile) + ".tmp"), INVALID_FILE_ATTRIBUTES);

  const std::string path = dir_.PathOf("\\Config\\Temp.ini");
  EXPECT_TRUE(WriteWholeFile(path, Bytes("abc")));
  EXPECT_TRUE(WriteWholeFile(path, {}));
  EXPECT_EQ(TryReadWholeFile(path), std::vector<unsigned char>());
  EXPECT_TRUE(DeleteFileAt(path));
  EXPECT_EQ(TryReadWholeFile(path), std::nullopt);
  EXPECT_EQ(TryReadWholeFile(dir_.PathOf("\\Config")), std::nullopt);
  EXPECT_FALSE(DeleteFileAt(path));
}

// The creation time is compared where the file system stores one that can be set (not under Wine).
TEST_F(SettingsWineTest, AReplacedFileKeepsItsCreationTimeAndAttributes) {
  dir_.MakeFolder("\\Config");
  const std::string path = dir_.PathOf("\\Config\\Kept.ini");
  ASSERT_TRUE(WriteWholeFile(path, Bytes("[A]\r\nx=1\r\n")));
  const std::wstring exact = dir_.ExactPathOf("\\Config\\Kept.ini");
  auto creationTime = [&] {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(exact.c_str(), GetFileExInfoStandard, &data);
    return (uint64_t{data.ftCreationTime.dwHighDateTime} << 32) | data.ftCreationTime.dwLowDateTime;
  };
  const HANDLE file = CreateFileW(exact.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const FILETIME created{0x256D4000u, 0x01BF53EBu};  // 2000-01-01
  SetFileTime(file, &created, nullptr, nullptr);
  CloseHandle(file);
  const bool creationTimesStored = creationTime() == 0x01BF53EB256D4000u;
  SetFileAttributesW(exact.c_str(), FILE_ATTRIBUTE_HIDDEN);

  ASSERT_TRUE(WriteWholeFile(path, Bytes("[A]\r\nx=2\r\n")));
  EXPECT_TRUE(GetFileAttributesW(exact.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  if (creationTimesStored) {
    EXPECT_EQ(creationTime(), 0x01BF53EB256D4000u);
  }
  EXPECT_EQ(dir_.ReadFile("\\Config\\Kept.ini"), "[A]\r\nx=2\r\n");
}

TEST_F(SettingsWineTest, GbkTextKeepsItsBytesOnEveryCodePage) {
  const std::array<std::array<std::string, 3>, 3> entries = {{
      {"表", kTrailByteText, "值礬\\礫[礭]億|"},
      {"扫描线", "键", "\"引号\" = 礎"},  // quotes are removed only around the whole value
      {"CN", "CNC", "扫描线.ini"},
  }};
  dir_.MakeFolder("\\Config");
  std::string expected;
  for (const auto& [section, key, value] : entries) {
    EXPECT_TRUE(settings_.SetConfig(section, key, value));
    expected += "[" + section + "]\r\n" + key + "=" + value + "\r\n";
  }
  EXPECT_TRUE(settings_.SetConfig("表", "礱", "different key"));
  expected.insert(expected.find("[扫描线]"), "礱=different key\r\n");
  EXPECT_EQ(dir_.ReadFile(paths::kConfigFile), expected);
  for (const auto& [section, key, value] : entries) EXPECT_EQ(settings_.Config(section, key), value) << key;
}

TEST_F(SettingsWineTest, GbkFileNamesAreTheRealNamesOnEveryCodePage) {
  settings_.EnsureFolder(paths::kEffectFolder);
  settings_.EnsureFolder(paths::kPresetFolder);
  const std::string preset = settings_.PathOf("\\Effect\\C\\扫描线礬.ini");
  EXPECT_TRUE(settings_.Write(preset, "Scantype", "Linetype", "1"));
  const std::wstring exact = dir_.ExactPath() + L"\\Effect\\C\\\u626B\u63CF\u7EBF\u792C.ini";  // 扫描线礬
  const DWORD attributes = GetFileAttributesW(exact.c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && !IsFolder(attributes));
  EXPECT_TRUE(FileExists(preset));
  EXPECT_FALSE(FileExists(settings_.PathOf(paths::kPresetFolder)));
  EXPECT_EQ(ReadWholeFile(preset), Bytes("[Scantype]\r\nLinetype=1\r\n"));

  dir_.WriteFile("\\Effect\\C\\plain.ini", "");
  CloseHandle(CreateFileW((dir_.ExactPath() + L"\\Effect\\C\\\uC124\uC815.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));  // 설정.ini: no GBK name
  dir_.MakeFolder("\\Effect\\C\\folder.ini");
  const std::vector<std::string> listed = ListFiles(settings_.PathOf(paths::kPresetPattern));
  EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()),
            (std::set<std::string>{"扫描线礬.ini", "plain.ini"}));
  EXPECT_EQ(listed.size(), 2u);
}

TEST(SettingsHangulFolderTest, AProgramDirectoryGbkCannotNameIsReachedThroughItsAlias) {
  const TempProgramDir dir(L"-\uC124\uC815");  // -설정
  ASSERT_TRUE(IsFolder(GetFileAttributesW(dir.ExactPath().c_str())));
  EXPECT_EQ(dir.Path().substr(dir.Path().size() - 3), "-??");
  EXPECT_EQ(PathText(dir.ExactPath()), dir.Path());
  EXPECT_EQ(WidePath(dir.Path() + "\\Config"), dir.ExactPath() + L"\\Config");

  Win32SettingsBackend backend;
  SettingsStore settings(backend, dir.Path());
  EXPECT_FALSE(settings.Exists(paths::kConfigFolder));
  PrepareSettingsFiles(settings);
  EXPECT_TRUE(settings.Exists(paths::kConfigFile));
  EXPECT_TRUE(IsFolder(dir.AttributesOf(paths::kPresetFolder)));
  EXPECT_EQ(dir.ReadFile(paths::kConfigFile).substr(0, 18), "[Config]\r\nAr=208\r\n");
  EXPECT_TRUE(settings.SetConfig("CN", "CNC", "扫描线.ini"));
  EXPECT_EQ(settings.Config("CN", "CNC"), "扫描线.ini");

  const std::string preset = settings.PathOf("\\Effect\\C\\扫描线.ini");
  EXPECT_TRUE(WriteWholeFile(preset, Bytes("[Scantype]\r\nLinetype=2\r\n")));
  EXPECT_TRUE(FileExists(preset));
  EXPECT_EQ(ListFiles(settings.PathOf(paths::kPresetPattern)), std::vector<std::string>{"扫描线.ini"});
  EXPECT_EQ(settings.ReadInt(preset, "Scantype", "Linetype"), 2);
  EXPECT_EQ(ReadWholeFile(preset), Bytes("[Scantype]\r\nLinetype=2\r\n"));
  EXPECT_TRUE(DeleteFileAt(preset));
  EXPECT_EQ(dir.AttributesOf("\\Effect\\C\\扫描线.ini"), INVALID_FILE_ATTRIBUTES);

  // A file a dialog chose in that folder, its own name in Hangul too: reached by its text.
  const std::wstring chosen = dir.ExactPath() + L"\\Effect\\C\\\uD654\uBA74.ini";  // 화면.ini
  const std::string text = PathText(chosen);
  EXPECT_EQ(text, dir.Path() + "\\Effect\\C\\??.ini");
  EXPECT_TRUE(settings.WriteInt(text, "Scantype", "Linetype", 3));
  EXPECT_EQ(settings.ReadInt(text, "Scantype", "Linetype"), 3);
  EXPECT_TRUE(GetFileAttributesW(chosen.c_str()) != INVALID_FILE_ATTRIBUTES);
}

// Our reads and writes against Wine's own profile functions over the same ASCII files. Wine rewrites a
// whole file in its own layout (no blank lines, no blanks around '=', CR LF) whenever it changes a value,
// while our writer, like Windows, leaves the other lines as they were: where that differs, both files
// are compared after Wine has rewritten each of them once.
class ProfileDifferentialTest : public ::testing::Test {
 protected:
  enum class Layout { kSameBytes, kSameAfterRewrite };
  struct Write {
    const char* section;
    const char* key;
    const char* value;
  };
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file yet (or the text is in unicodeFile)
    std::vector<Write> writes;
    Layout layout;
    const wchar_t* unicodeFile = nullptr;  // stored with the byte-order mark of `encoding`
    IniEncoding encoding = IniEncoding::kGbk;
  };

  static std::string MarkedBytes(std::wstring_view text, IniEncoding encoding) {
    if (encoding == IniEncoding::kUtf8) {
      std::string utf8(text.size() * 3, '\0');
      utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                          utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                          nullptr)));
      return "\xEF\xBB\xBF" + utf8;
    }
    std::string utf16 = "\xFF\xFE";
    for (const wchar_t unit : text) {
      utf16 += static_cast<char>(unit & 0xFF);
      utf16 += static_cast<char>(unit >> 8);
    }
    return utf16;
  }

  static std::optional<std::string> FileBytes(const Case& c) {
    if (c.unicodeFile != nullptr) return MarkedBytes(c.unicodeFile, c.encoding);
    return c.file == nullptr ? std::nullopt : std::optional<std::string>(c.file);
  }

  static std::string WineRead(const std::wstring& file, const std::string& section, const std::string& key) {
    std::vector<wchar_t> buffer(SettingsStore::kReadBufferSize);
    const DWORD length = GetPrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    return FromWide(std::wstring_view(buffer.data(), length));
  }

  static void WineRewrite(const std::wstring& file) {
    WritePrivateProfileStringW(L"~rewrite", L"k", L"1", file.c_str());
    WritePrivateProfileStringW(L"~rewrite", nullptr, nullptr, file.c_str());
  }

  static std::string AsciiUpper(std::string text) {
    for (char& ch : text) {
      if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return text;
  }

  // Every section name against every key name seen in the file or the writes, in two letter cases.
  static std::vector<std::pair<std::string, std::string>> Lookups(const Case& c) {
    std::set<std::string> sections = {""};
    std::set<std::string> keys;
    const std::string text = c.unicodeFile != nullptr ? FromWide(c.unicodeFile) : (c.file == nullptr ? "" : c.file);
    for (const IniSection& section : ListIniSections(text)) {
      sections.insert(section.name);
      for (const IniKey& key : section.keys) keys.insert(key.name);
    }
    for (const Write& w : c.writes) {
      sections.insert(w.section);
      keys.insert(w.key);
    }
    std::vector<std::pair<std::string, std::string>> lookups;
    for (const std::string& section : sections) {
      for (const std::string& key : keys) {
        lookups.emplace_back(section, key);
        lookups.emplace_back(AsciiUpper(section), AsciiUpper(key));
      }
    }
    return lookups;
  }

  void ExpectSameReads(const Case& c, const std::string& ours, const std::wstring& wine, const char* when) {
    for (const auto& [section, key] : Lookups(c)) {
      EXPECT_EQ(backend_.ReadProfileText(ours, section, key, SettingsStore::kReadBufferSize),
                WineRead(wine, section, key))
          << c.name << ", " << when << ": [" << section << "] " << key;
    }
  }

  void Run(const Case& c, int index) {
    const std::string ours = "\\ours" + std::to_string(index) + ".ini";
    const std::string wine = "\\wine" + std::to_string(index) + ".ini";
    if (const std::optional<std::string> bytes = FileBytes(c)) {
      dir_.WriteFile(ours, *bytes);
      dir_.WriteFile(wine, *bytes);
    }
    ExpectSameReads(c, dir_.PathOf(ours), dir_.ExactPathOf(wine), "before");
    for (const Write& w : c.writes) {
      const bool wineWrote = WritePrivateProfileStringW(ToWide(w.section).c_str(), ToWide(w.key).c_str(),
                                                        ToWide(w.value).c_str(), dir_.ExactPathOf(wine).c_str());
      EXPECT_EQ(backend_.WriteProfileText(dir_.PathOf(ours), w.section, w.key, w.value), wineWrote)
          << c.name << ": [" << w.section << "] " << w.key;
    }
    ExpectSameReads(c, dir_.PathOf(ours), dir_.ExactPathOf(wine), "after");
    if (c.layout == Layout::kSameAfterRewrite) {
      EXPECT_NE(dir_.ReadFile(ours), dir_.ReadFile(wine)) << c.name << ": the case should show the difference";
      WineRewrite(dir_.ExactPathOf(ours));
      WineRewrite(dir_.ExactPathOf(wine));
    }
    EXPECT_EQ(dir_.ReadFile(ours), dir_.ReadFile(wine)) << c.name;
  }

  TempProgramDir dir_;
  Win32SettingsBackend backend_;
};

TEST_F(ProfileDifferentialTest, ReadsAndWritesMatchThePlatformProfileFunctions) {
  using enum Layout;
  const Case cases[] = {
      {"new file", nullptr, {{"Config", "Ar", "208"}, {"Config", "sck0", ""}, {"SCK", "sx0", "-1"}}, kSameBytes},
      {"canonical file",
       "[Config]\r\nAr=208\r\n[Tips]\r\nTS=1\r\n",
       {{"Config", "Ag", "222"}, {"Tips", "TS", "0"}, {"New", "k", "v"}, {"config", "AR", "1"}, {"Tips", "TS", "0"}},
       kSameBytes},
      {"quotes",
       "[Q]\r\na=\"x y\"\r\nb='z'\r\nc=\"mixed'\r\nd=\"\r\ne=\"\"\r\n",
       {{"Q", "a", "\"q\""}, {"Q", "f", "' f '"}},
       kSameBytes},
      {"duplicate sections and keys",
       "[A]\r\nx=1\r\nx=2\r\n[B]\r\ny=1\r\n[a]\r\nx=3\r\ny=4\r\n",
       {{"A", "y", "5"}, {"A", "x", "6"}, {"a", "z", "7"}},
       kSameBytes},
      {"keys before any section", "k=0\r\nj\r\n[A]\r\nx=1\r\n", {{"A", "k", "1"}, {"", "k", "5"}, {"", "j", "6"}},
       kSameBytes},
      {"missing trailing newline, new lines", "[A]\r\nx=1", {{"A", "y", "2"}, {"B", "z", "3"}}, kSameBytes},
      {"missing trailing newline, value replaced", "[A]\r\nx=1", {{"A", "x", "5"}}, kSameAfterRewrite},
      {"blank lines and comments",
       "; top\r\n\r\n[A]\r\nx=1\r\n\r\n; note\r\n\r\n[B]\r\ny=2\r\n\r\n",
       {{"A", "z", "3"}, {"B", "y", "5"}, {"A", "x", "1"}},
       kSameAfterRewrite},
      {"spaces around '='",
       "[A]\r\n  x  =  1  \r\n\ty\t=\t\r\n[ B ]\r\n z = 3\r\n",
       {{"A", "x", "4"}, {"A", "y", "5"}, {"B", "z", "3"}, {"B", "w", "  6"}},
       kSameAfterRewrite},
      {"CR-only and LF-only endings", "[A]\rx=1\r[B]\ny=2\n", {{"A", "x", "3"}, {"A", "w", "4"}, {"B", "v", "5"}},
       kSameAfterRewrite},
      {"header oddities",
       "[A]junk\r\nx=1\r\n[B\r\ny=2\r\n[C]x]\r\nz=3\r\n=e\r\nnoeq\r\n",
       {{"A", "y", "9"}, {"C]x", "noeq", "1"}, {"A", "[B", "7"}},
       kSameAfterRewrite},
      {"tabs and ^Z as blanks", "\x1a[A]\x1a\r\n\tx\x1a=\x1a" "1\x1a\r\n", {{"A", "x", "2"}}, kSameAfterRewrite},
      {"values ending in blanks",
       "[A]\r\nx=1\r\ny = 2 \r\n",
       {{"A", "x", "a  "}, {"A", "x", "a  "}, {"A", "x", " a"}, {"A", "y", "2 "}, {"A", "y", "b \t"}, {"A", "z", "c "}},
       kSameAfterRewrite},
  };
  int index = 0;
  for (const Case& c : cases) Run(c, index++);
}

// Files with a byte-order mark are read and written in their own encoding on every code page; a character
// GBK cannot represent (U+C124) reads as '?' and stays in the file through writes of other lines.
TEST_F(ProfileDifferentialTest, UnicodeFilesKeepTheirEncoding) {
  using enum Layout;
  using enum IniEncoding;
  const Case cases[] = {
      {"UTF-16",
       nullptr,
       {{"A", "x", "3"}, {"B", "z", "表"}, {"C", "k", "v "}, {"a", "X", "3"}},
       kSameBytes,
       L"[A]\r\nx=1\r\nh=\uC124\u8868\r\n[B]\r\ny=2\r\n",
       kUtf16},
      {"UTF-16, mark only", nullptr, {{"Config", "Ar", "208"}, {"Config", "sck0", ""}}, kSameBytes, L"", kUtf16},
      {"UTF-16, blank lines and comments",
       nullptr,
       {{"A", "x", "2"}, {"A", "y", "3"}},
       kSameAfterRewrite,
       L"; \uC124\r\n\r\n[A]\r\n x = 1 \r\n\r\n[B]\r\n",
       kUtf16},
      {"UTF-8",
       nullptr,
       {{"表", "键", "新"}, {"表", "k", "1"}, {"Config", "Ar", "208"}},
       kSameBytes,
       L"[\u8868]\r\n\u952E=\u503C\r\nh=\uC124\r\n",
       kUtf8},
      {"UTF-8, first section", nullptr, {}, kSameBytes, L"[Config]\r\nAr=208\r\n[Tips]\r\nTS=1\r\n", kUtf8},
  };
  int index = 0;
  for (const Case& c : cases) Run(c, index++);
  EXPECT_EQ(backend_.ReadProfileText(dir_.PathOf("\\ours0.ini"), "A", "h", 3), "?");
  EXPECT_EQ(dir_.ReadFile("\\ours3.ini").substr(0, 7), "\xEF\xBB\xBF[\xE8\xA1\xA8");
}

TEST_F(ProfileDifferentialTest, GbkFileReadsAsThePlatformReadsItOnAChineseSystem) {
  if (GetACP() != kGbkCodePage) GTEST_SKIP() << "the platform reads files in the ANSI code page";
  const Case c{"GBK", "[表]\r\n礬 = 礫礭 \r\n礎=1\r\n礱=2\r\n[礭]\r\n億='|'\r\n[B]礭\r\nx=3\r\n", {},
               Layout::kSameBytes};
  Run(c, 0);
}

}  // namespace
}  // namespace corvanta
