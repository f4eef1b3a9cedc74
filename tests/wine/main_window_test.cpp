#include <gtest/gtest.h>

#include "app/app.h"
#include "app/main_window.h"
#include "settings/paths.h"
#include "temp_program_dir.h"

namespace corvanta {
namespace {

using testing::TempProgramDir;

TEST(MainWindowStartTest, FreshDirectoryGetsDefaultsAndFirstRunSelection) {
  TempProgramDir dir;
  {
    App app(GetModuleHandleA(nullptr), dir.Path());
    app.SetQuitOnExit(false);
    ASSERT_TRUE(app.Start(SW_SHOWNOACTIVATE));
    char caption[64] = {};
    GetWindowTextA(app.Main().Hwnd(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "Corvanta");
    EXPECT_EQ(app.State().enabled.custom, 23);
    EXPECT_EQ(app.State().enabled.picture, 3);
  }
  const std::string config = dir.ReadFile(paths::kConfigFile);
  EXPECT_NE(config.find("GetC=23"), std::string::npos);
  EXPECT_NE(config.find("GetP=3"), std::string::npos);
  EXPECT_NE(config.find("First=1"), std::string::npos);
}

}  // namespace
}  // namespace corvanta
