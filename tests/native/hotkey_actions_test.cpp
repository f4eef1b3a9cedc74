#include "hotkeys/hotkey_actions.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using Kind = HotkeyOutcome::Kind;

HotkeyConditions Locked() {
  HotkeyConditions c;
  c.overlayLocked = true;
  return c;
}

HotkeyConditions Busy(ActionTimer timer, HotkeyConditions c = {}) {
  c.timerIdle[static_cast<int>(timer)] = false;
  return c;
}

TEST(HotkeyActionsTest, EachSlotActsOnlyWhenItsConditionHolds) {
  HotkeyConditions topmost;
  topmost.topmost = true;
  HotkeyConditions strong;
  strong.strongTopmost = true;
  HotkeyConditions hidden;
  hidden.mainShown = false;
  hidden.mainHidden = true;
  HotkeyConditions lockedHidden = Locked();
  lockedHidden.mainShown = false;
  lockedHidden.mainHidden = true;
  HotkeyConditions folderRunning;
  folderRunning.folderStep = 1;
  struct Case {
    int slot;
    HotkeyConditions conditions;
    Kind kind;
    MenuId command;
    ActionTimer timer;
  } cases[] = {
      {1, {}, Kind::kCommand, MenuId::kTopmost, {}},
      {1, topmost, Kind::kNothing, MenuId::kNone, {}},
      {2, topmost, Kind::kCommand, MenuId::kTopmost, {}},
      {2, {}, Kind::kNothing, MenuId::kNone, {}},
      {3, {}, Kind::kCommand, MenuId::kStrongTopmost, {}},
      {4, strong, Kind::kCommand, MenuId::kStrongTopmost, {}},
      {4, {}, Kind::kNothing, MenuId::kNone, {}},
      {5, {}, Kind::kArmTimer, MenuId::kNone, ActionTimer::kCustomRegionShot},
      {5, Busy(ActionTimer::kReselectRegion), Kind::kNothing, MenuId::kNone, {}},  // 5 and 9 exclude each other
      {6, {}, Kind::kArmTimer, MenuId::kNone, ActionTimer::kScanRegionShot},
      {6, Busy(ActionTimer::kScanRegionShot), Kind::kNothing, MenuId::kNone, {}},
      {7, {}, Kind::kArmTimer, MenuId::kNone, ActionTimer::kOpenScreenshotFolder},
      {7, folderRunning, Kind::kNothing, MenuId::kNone, {}},
      {8, Locked(), Kind::kArmTimer, MenuId::kNone, ActionTimer::kReattach},
      {8, {}, Kind::kNothing, MenuId::kNone, {}},            // nothing locked (or moving: not locked either)
      {8, lockedHidden, Kind::kNothing, MenuId::kNone, {}},  // main window hidden
      {9, Locked(), Kind::kArmTimer, MenuId::kNone, ActionTimer::kReselectRegion},
      {9, Busy(ActionTimer::kCustomRegionShot, Locked()), Kind::kNothing, MenuId::kNone, {}},
      {10, Locked(), Kind::kCommand, MenuId::kReturnToStart, {}},
      {10, {}, Kind::kNothing, MenuId::kNone, {}},
      {11, Locked(), Kind::kCommand, MenuId::kMoveOrResize, {}},
      {11, lockedHidden, Kind::kNothing, MenuId::kNone, {}},
      {12, hidden, Kind::kCommand, MenuId::kShowMainWindow, {}},
      {12, {}, Kind::kNothing, MenuId::kNone, {}},
      {13, {}, Kind::kCommand, MenuId::kHideMainWindow, {}},
      {13, hidden, Kind::kNothing, MenuId::kNone, {}},
      {14, {}, Kind::kArmTimer, MenuId::kNone, ActionTimer::kExit},
      {14, Busy(ActionTimer::kExit), Kind::kNothing, MenuId::kNone, {}},
      {0, {}, Kind::kNothing, MenuId::kNone, {}},
  };
  for (const Case& c : cases) {
    const HotkeyOutcome outcome = DecideHotkeyAction(c.slot, c.conditions);
    EXPECT_EQ(outcome.kind, c.kind) << "slot " << c.slot;
    if (c.kind == Kind::kCommand) {
      EXPECT_EQ(outcome.command, c.command) << "slot " << c.slot;
      EXPECT_NE(outcome.hint, nullptr) << "slot " << c.slot;
    }
    if (c.kind == Kind::kArmTimer) {
      EXPECT_EQ(outcome.timer, c.timer) << "slot " << c.slot;
    }
  }
  EXPECT_EQ(DecideHotkeyAction(14, {}).interval, 100u);
  EXPECT_EQ(DecideHotkeyAction(6, {}).interval, 30u);
  EXPECT_STREQ(DecideHotkeyAction(1, {}).hint, "启用-置顶");
}

TEST(HotkeyActionsTest, OpenFolderHintAtOnceFolderTwoSecondsLaterNextPressAfterFour) {
  const FolderStep first = OpenFolderStep(0, true);
  EXPECT_EQ(first.nextInterval, 2000u);
  EXPECT_TRUE(first.showHint);
  EXPECT_FALSE(first.openFolder);
  const FolderStep second = OpenFolderStep(first.nextStep, true);
  EXPECT_TRUE(second.openFolder);
  EXPECT_FALSE(second.showHint);
  const FolderStep third = OpenFolderStep(second.nextStep, true);
  EXPECT_EQ(third.nextInterval, 0u);
  EXPECT_EQ(third.nextStep, 0);
  EXPECT_FALSE(third.openFolder);
  EXPECT_FALSE(OpenFolderStep(0, false).showHint);  // hints off: the folder still opens
  EXPECT_TRUE(OpenFolderStep(1, false).openFolder);
}

TEST(HotkeyActionsTest, TimersNameTheirHintAndCommand) {
  EXPECT_EQ(TickOf(ActionTimer::kReattach).command, MenuId::kReattach);
  EXPECT_EQ(TickOf(ActionTimer::kReselectRegion).command, MenuId::kReselectRegion);
  EXPECT_EQ(TickOf(ActionTimer::kCustomRegionShot).command, MenuId::kCustomRegionScreenshot);
  EXPECT_EQ(TickOf(ActionTimer::kExit).command, MenuId::kExit);
  EXPECT_EQ(HintText("关闭并退出"), "关闭并退出\r\n\r\nCorvanta");
}

}  // namespace
}  // namespace corvanta
