#include "shell/menu_layout.h"

#include <cstddef>

namespace corvanta {

namespace {

MenuEntry Item(MenuId id, const char* text) { return MenuEntry{id, text, false, false, true, {}}; }
MenuEntry Checked(MenuId id, const char* text) { return MenuEntry{id, text, true, false, true, {}}; }
MenuEntry Disabled(MenuId id, const char* text) { return MenuEntry{id, text, false, true, true, {}}; }
MenuEntry Separator() { return MenuEntry{}; }
MenuEntry HiddenEntry(MenuId id, const char* text, std::vector<MenuEntry> children) {
  return MenuEntry{id, text, false, false, false, std::move(children)};
}
MenuEntry Submenu(MenuId id, const char* text, std::vector<MenuEntry> children) {
  return MenuEntry{id, text, false, false, true, std::move(children)};
}

std::vector<MenuEntry> EffectListMenuLayout() {
  return {Item(MenuId::kPreviewPicture, "预览效果图片"), Item(MenuId::kPreviewOrEditPreset, "预览效果或配置"),
          Item(MenuId::kEnableSelected, "启用选中效果"), Separator(),
          Item(MenuId::kDeleteSelected, "删除选中文件")};
}

std::vector<MenuEntry> TrayMenuLayout() {
  return {
      Item(MenuId::kTopmost, "^置顶^"),
      Item(MenuId::kStrongTopmost, ">+^强力置顶^+<"),
      Separator(),
      Item(MenuId::kCustomRegionScreenshot, "<-+自选区域截图+->"),
      Separator(),
      Item(MenuId::kScreenshotIncludesSelf, "#自选区域截取自身"),
      Submenu(MenuId::kBitDepthMenu, "-图像位数设置>>>",
              {Item(MenuId::kDepth1, "#一位"), Item(MenuId::kDepth4, "#四位"), Item(MenuId::kDepth8, "#八位"),
               Item(MenuId::kDepth16, "#十六位"), Item(MenuId::kDepth24, "#二十四位"),
               Checked(MenuId::kDepth32, "#三十二位"), Separator(),
               Disabled(MenuId::kDepthRestoreNote, "退出后恢复32位")}),
      Item(MenuId::kAutoPreview, "#自动预览功能"),
      Item(MenuId::kAutoOpenImages, "#自动打开images"),
      Separator(),
      Submenu(MenuId::kScanRegionScreenshotMenu, "<-=扫描区域截图=->",
              {Item(MenuId::kOpenScreenshotFolder, "+打开截图文件夹"), Separator(),
               Disabled(MenuId::kFormatNote, "从下方选择截取图像的格式"), Separator(),
               Item(MenuId::kSaveBmp, "#储存为 BMP 格式"), Item(MenuId::kSaveJpg, "#储存为 JPG 格式"),
               Item(MenuId::kSaveGif, "#储存为 GIF 格式"), Item(MenuId::kSavePng, "#储存为 PNG 格式")}),
      Separator(),
      Checked(MenuId::kRegionHint, "#自选区域提示"),
      Item(MenuId::kAdvancedOptions, "#高级配置选项>"),
      Item(MenuId::kProgramColours, "#程序配色>"),
      Separator(),
      Disabled(MenuId::kReattach, "<-=重新吸附窗口"),
      Disabled(MenuId::kReselectRegion, "<-=重新自选区域"),
      Separator(),
      Disabled(MenuId::kReturnToStart, "<<<更换效果(返回)"),
      Disabled(MenuId::kMoveOrResize, "<-移动或调整尺寸->"),
      Separator(),
      Item(MenuId::kCustomHotkeys, "<#=自定义快捷键=#>"),
      Checked(MenuId::kHotkeyHints, "#启用快捷键提示"),
      Separator(),
      Checked(MenuId::kShowMainWindow, "#显示主窗口"),
      Item(MenuId::kHideMainWindow, "#隐藏主窗口"),
      Separator(),
      Item(MenuId::kHomepage, "前往软件主页"),
      Item(MenuId::kVersionCheck, "检测版本(更新)"),
      Separator(),
      Item(MenuId::kDonate, "支持作者(捐赠)"),
      Item(MenuId::kHelp, "软件介绍与帮助"),
      Separator(),
      Item(MenuId::kExit, "关闭并退出"),
  };
}

}  // namespace

std::vector<MenuEntry> MenuBarLayout() {
  return {
      HiddenEntry(MenuId::kBarMenu, "菜单", {Item(MenuId::kFinishAndLock, "完成配置并锁定区域\tF5")}),
      HiddenEntry(MenuId::kBarF5, "F5键完成并锁定区域",
                  {Item(MenuId::kBarF5Text, "或点击菜单按钮选择完成配置选项")}),
      HiddenEntry(MenuId::kBarVisibleArea, "可见区即为扫描区",
                  {Item(MenuId::kBarVisibleAreaText, "包括窗口边框与菜单栏的所在位置")}),
      HiddenEntry(MenuId::kBarOptions, "选项", EffectListMenuLayout()),
      HiddenEntry(MenuId::kBarPressAnyKey, "按任意键锁定扫描区",
                  {Item(MenuId::kBarPressAnyKeyText, "按任意键将锁定当前扫描区域")}),
      HiddenEntry(MenuId::kBarEscBack, "ESC键或退格键返回",
                  {Item(MenuId::kBarEscBackText, "按ESC键或退格键可以返回起始界面")}),
      HiddenEntry(MenuId::kBarHoldMouse, "按住鼠标以拖动区域",
                  {Item(MenuId::kBarHoldMouseText, "将鼠标按住可拖动已覆盖区域")}),
      HiddenEntry(MenuId::kBarQuickMenu, "快捷菜单", TrayMenuLayout()),
  };
}

}  // namespace corvanta

namespace corvanta {

std::vector<bool> SeparatorsToShow(const std::vector<bool>& isSeparator, const std::vector<bool>& itemVisible) {
  std::vector<bool> show(isSeparator.size(), false);
  bool itemBefore = false;
  size_t pending = isSeparator.size();  // the separator waiting for a visible item after it
  for (size_t i = 0; i < isSeparator.size(); ++i) {
    if (isSeparator[i]) {
      if (itemBefore && pending == isSeparator.size()) pending = i;
    } else if (itemVisible[i]) {
      if (pending != isSeparator.size()) show[pending] = true;
      pending = isSeparator.size();
      itemBefore = true;
    }
  }
  return show;
}

}  // namespace corvanta
