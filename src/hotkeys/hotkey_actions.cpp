#include "hotkeys/hotkey_actions.h"

namespace corvanta {

namespace {

constexpr unsigned kArmInterval = 30;
constexpr unsigned kExitArmInterval = 100;
constexpr unsigned kFolderStepInterval = 2000;

HotkeyOutcome Command(MenuId command, const char* hint) {
  return {HotkeyOutcome::Kind::kCommand, command, ActionTimer::kRegistrationPass, 0, hint};
}

HotkeyOutcome Arm(ActionTimer timer, unsigned interval = kArmInterval) {
  return {HotkeyOutcome::Kind::kArmTimer, MenuId::kNone, timer, interval, nullptr};
}

}  // namespace

HotkeyOutcome DecideHotkeyAction(int slot, const HotkeyConditions& c) {
  const bool lockedAndShown = c.overlayLocked && c.mainShown;
  const bool regionTimersIdle = c.Idle(ActionTimer::kCustomRegionShot) && c.Idle(ActionTimer::kReselectRegion);
  switch (slot) {
    case 1:
      if (!c.topmost) return Command(MenuId::kTopmost, "启用-置顶");
      break;
    case 2:
      if (c.topmost) return Command(MenuId::kTopmost, "取消-置顶");
      break;
    case 3:
      if (!c.strongTopmost) return Command(MenuId::kStrongTopmost, "启用-强力置顶");
      break;
    case 4:
      if (c.strongTopmost) return Command(MenuId::kStrongTopmost, "取消-强力置顶");
      break;
    case 5:
      if (regionTimersIdle) return Arm(ActionTimer::kCustomRegionShot);
      break;
    case 6:
      if (c.Idle(ActionTimer::kScanRegionShot)) return Arm(ActionTimer::kScanRegionShot);
      break;
    case 7:
      if (c.Idle(ActionTimer::kOpenScreenshotFolder) && c.folderStep == 0) {
        return Arm(ActionTimer::kOpenScreenshotFolder);
      }
      break;
    case 8:
      if (lockedAndShown && c.Idle(ActionTimer::kReattach)) return Arm(ActionTimer::kReattach);
      break;
    case 9:
      if (lockedAndShown && regionTimersIdle) return Arm(ActionTimer::kReselectRegion);
      break;
    case 10:
      if (lockedAndShown) return Command(MenuId::kReturnToStart, "更换效果返回");
      break;
    case 11:
      if (lockedAndShown) return Command(MenuId::kMoveOrResize, "移动或调整尺寸");
      break;
    case 12:
      if (c.mainHidden) return Command(MenuId::kShowMainWindow, "显示主窗口");
      break;
    case 13:
      if (c.mainShown) return Command(MenuId::kHideMainWindow, "隐藏主窗口");
      break;
    case 14:
      if (c.Idle(ActionTimer::kExit)) return Arm(ActionTimer::kExit, kExitArmInterval);
      break;
    default:
      break;
  }
  return {};
}

ActionTimerTick TickOf(ActionTimer timer) {
  switch (timer) {
    case ActionTimer::kCustomRegionShot:
      return {"自选区域截图", MenuId::kCustomRegionScreenshot};
    case ActionTimer::kScanRegionShot:
      return {"扫描区域截图", MenuId::kNone};  // opens the scan-region format window instead
    case ActionTimer::kReattach:
      return {"重新吸附窗口", MenuId::kReattach};
    case ActionTimer::kReselectRegion:
      return {"重新自选区域", MenuId::kReselectRegion};
    case ActionTimer::kExit:
      return {"关闭并退出", MenuId::kExit};
    default:
      return {nullptr, MenuId::kNone};
  }
}

FolderStep OpenFolderStep(int step, bool hintsOn) {
  const int next = step + 1;
  return {next > 2 ? 0u : kFolderStepInterval, step == 0 && hintsOn, step == 1, next > 2 ? 0 : next};
}

std::string HintText(const char* words) { return std::string(words) + "\r\n\r\nCorvanta"; }

}  // namespace corvanta
