#include "suite/suite_text.h"

#include <initializer_list>

#include "settings/text.h"

namespace corvanta {

namespace {

constexpr int32_t kDefaultBackdropLimit = 1000;

std::string JoinLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace

std::string SuiteFileCaption(std::string_view file) { return "自定义模式套件_当前文件：" + std::string(file); }

std::string SuiteSaveAsCaption(std::string_view path) {
  return "Corvanta自定义扫描配置套件_v10(正式版)_当前文件：" + std::string(path);
}

std::string BackdropLabel(int index) { return "选动画[" + std::to_string(index) + "]："; }

HelpMessage MenuHelpMessage() {
  return {"菜单按钮说明:", JoinLines({
                               "打开ini：打开一个自生成类型的 *.ini 文件并载入数据。",
                               "储存当前ini：将数据写到当前打开的 *.ini 文件。",
                               "储存为新的ini：将当前数据另存为一个新的 *.ini 文件。",
                               "重置当前数据：未保存状态下，可将当前数据重置为载入时数据。",
                               "关闭工具：退出工具并返回主窗口。",
                           })};
}

HelpMessage SettingsHelpMessage() {
  return {"配置项说明:", JoinLines({
                             "线条色板：可快速设置线条颜色。",
                             "RGB颜色值：调整RGB的值来设置线条颜色，共(16581375 - 1)种颜色",
                             "类型：共五种画线方法如下：{",
                             "1.直线 2.划线 3.点线 4.点划线 5.双点划线}",
                             "像素：设置线条的像素大小。",
                             "强度：设置可视化调试区的透明度。",
                             "横线：线条为横向时，线与线之间的距离。",
                             "竖线：线条为竖向时，线与线之间的距离。",
                             "斜线：线条为斜向时，线与线之间的距离。",
                             "反斜：线条为反斜向时，线与线之间的距离。",
                             "调试区背景透明：此项为选中状态时，可视化调试区域的背景将为全透明。",
                             "色板：设置可视化调试区域的背景颜色。",
                         })};
}

int32_t BackdropLimit(std::string_view storedValue) {
  if (storedValue.empty()) return kDefaultBackdropLimit;
  const int32_t limit = ParseLeadingInt(storedValue);
  return limit < 0 ? 0 : limit;
}

}  // namespace corvanta
