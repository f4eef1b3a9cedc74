// The resources of corvanta.exe (built beside this test program): version, icon and manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/program_dir.h"

namespace corvanta {
namespace {

std::string ProgramPath() { return ExecutableFolder() + "\\corvanta.exe"; }

TEST(ProgramResourcesTest, FileVersionIs10_2021_0_9) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(ProgramPath().c_str(), &handle);
  ASSERT_GT(size, 0u) << "no version resource in " << ProgramPath();
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(ProgramPath().c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
  EXPECT_EQ(HIWORD(info->dwFileVersionMS), 10);
  EXPECT_EQ(LOWORD(info->dwFileVersionMS), 2021);
  EXPECT_EQ(HIWORD(info->dwFileVersionLS), 0);
  EXPECT_EQ(LOWORD(info->dwFileVersionLS), 9);
}

TEST(ProgramResourcesTest, IconAndManifestAreEmbedded) {
  HMODULE program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_GROUP_ICON)), nullptr);
  HICON icon = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(icon, nullptr);
  if (icon != nullptr) DestroyIcon(icon);
  HRSRC manifest = FindResourceA(program, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_MANIFEST));
  ASSERT_NE(manifest, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(program, manifest)));
  const std::string xml(text, SizeofResource(program, manifest));
  EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(xml.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(xml.find("<dpiAware"), std::string::npos);
  FreeLibrary(program);
}

}  // namespace
}  // namespace corvanta
