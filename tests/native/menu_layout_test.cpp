#include "shell/menu_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvanta {
namespace {

std::vector<std::string> Texts(const std::vector<MenuEntry>& items) {
  std::vector<std::string> texts;
  for (const MenuEntry& item : items) texts.push_back(item.IsSeparator() ? "-" : item.text);
  return texts;
}

void CollectIds(const std::vector<MenuEntry>& items, std::vector<MenuId>& ids) {
  for (const MenuEntry& item : items) {
    if (!item.IsSeparator()) ids.push_back(item.id);
    CollectIds(item.children, ids);
  }
}

TEST(MenuLayoutTest, MenuBarHasEightHiddenEntriesWithOneSubmenuEach) {
  const auto bar = MenuBarLayout();
  EXPECT_EQ(Texts(bar), (std::vector<std::string>{"菜单", "F5键完成并锁定区域", "可见区即为扫描区", "选项",
                                                  "按任意键锁定扫描区", "ESC键或退格键返回", "按住鼠标以拖动区域",
                                                  "快捷菜单"}));
  for (const MenuEntry& entry : bar) {
    EXPECT_FALSE(entry.visible) << entry.text;
    EXPECT_FALSE(entry.children.empty()) << entry.text;
  }
  EXPECT_EQ(Texts(bar[3].children),
            (std::vector<std::string>{"预览效果图片", "预览效果或配置", "启用选中效果", "-", "删除选中文件"}));
}

TEST(MenuLayoutTest, TrayMenuOrderSeparatorsAndInitialStates) {
  const auto tray = MenuBarLayout()[7].children;
  EXPECT_EQ(Texts(tray),
            (std::vector<std::string>{"^置顶^", ">+^强力置顶^+<", "-", "<-+自选区域截图+->", "-", "#自选区域截取自身",
                                      "-图像位数设置>>>", "#自动预览功能", "#自动打开images", "-", "<-=扫描区域截图=->",
                                      "-", "#自选区域提示", "#高级配置选项>", "#程序配色>", "-", "<-=重新吸附窗口",
                                      "<-=重新自选区域", "-", "<<<更换效果(返回)", "<-移动或调整尺寸->", "-",
                                      "<#=自定义快捷键=#>", "#启用快捷键提示", "-", "#显示主窗口", "#隐藏主窗口", "-",
                                      "前往软件主页", "检测版本(更新)", "-", "支持作者(捐赠)", "软件介绍与帮助", "-",
                                      "关闭并退出"}));
  std::set<std::string> checked, disabled;
  for (const MenuEntry& item : tray) {
    if (item.IsSeparator()) continue;
    if (item.checked) checked.insert(item.text);
    if (item.disabled) disabled.insert(item.text);
  }
  EXPECT_EQ(checked, (std::set<std::string>{"#自选区域提示", "#启用快捷键提示", "#显示主窗口"}));
  EXPECT_EQ(disabled, (std::set<std::string>{"<-=重新吸附窗口", "<-=重新自选区域", "<<<更换效果(返回)",
                                             "<-移动或调整尺寸->"}));
  EXPECT_EQ(Texts(tray[6].children), (std::vector<std::string>{"#一位", "#四位", "#八位", "#十六位", "#二十四位",
                                                              "#三十二位", "-", "退出后恢复32位"}));
  EXPECT_TRUE(tray[6].children[5].checked);
  EXPECT_TRUE(tray[6].children[7].disabled);
  EXPECT_EQ(Texts(tray[10].children),
            (std::vector<std::string>{"+打开截图文件夹", "-", "从下方选择截取图像的格式", "-", "#储存为 BMP 格式",
                                      "#储存为 JPG 格式", "#储存为 GIF 格式", "#储存为 PNG 格式"}));
  EXPECT_TRUE(tray[10].children[2].disabled);
}

TEST(MenuLayoutTest, EveryIdIsUnique) {
  std::vector<MenuId> ids;
  CollectIds(MenuBarLayout(), ids);
  std::set<MenuId> unique(ids.begin(), ids.end());
  EXPECT_EQ(unique.size(), ids.size());
}

TEST(MenuLayoutTest, SeparatorsShowOnlyBetweenVisibleItems) {
  // "-" is a separator, "x" a visible item, "." a hidden item; the result marks the separators shown.
  struct Case {
    const char* items;
    const char* shown;
  } cases[] = {{"x-x", "x-x"},     {"-x-", ".x."},     {"x--x", "x-.x"},   {"x-.-x", "x-..x"},
               {"x-..", "x..."},   {"..-x", "...x"},   {"x-.x-x", "x-.x-x"}, {"", ""},
               {"--", ".."},       {"x.-.-.x", "x.-...x"}};
  for (const Case& c : cases) {
    std::vector<bool> isSeparator, visible;
    for (const char* p = c.items; *p != '\0'; ++p) {
      isSeparator.push_back(*p == '-');
      visible.push_back(*p == 'x');
    }
    const std::vector<bool> show = SeparatorsToShow(isSeparator, visible);
    std::string rendered;
    for (size_t i = 0; i < show.size(); ++i) rendered += isSeparator[i] ? (show[i] ? '-' : '.') : c.items[i];
    EXPECT_EQ(rendered, c.shown) << c.items;
  }
}

}  // namespace
}  // namespace corvanta
