// The suite's own texts: captions, the backdrop label, the help messages, and the backdrop list limit
// read from Config/SZ.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvanta {

inline constexpr const char* kSuiteUnsavedCaption = "自定义模式套件_当前文件：未保存临时缓存！";
inline constexpr const char* kSuiteDebugAreaCaption = "Corvanta_可视化调试区(鼠标靠近窗口边缘调整大小)";
inline constexpr const char* kSuiteNoBackdropItem = "不显示当前背景图";
inline constexpr const char* kSuiteTransparentCheckbox = "调试区背景透明";
inline constexpr const char* kSuiteSavedMessage = "成功保存配置！";
inline constexpr const char* kSuiteSaveFailedMessage = "保存配置失败！";
inline constexpr const char* kSuiteMessageCaption = "信息：";
// The file dialogs' filters: one description each, the same pattern.
inline constexpr const char* kSuiteOpenFilterName = "仅支持本程序自动生成的配置文件内容（*.ini）";
inline constexpr const char* kSuiteSaveFilterName = "另存为本程序支持的配置文件（*.ini）";
inline constexpr const char* kSuiteFilterPattern = "*.ini";

// "自定义模式套件_当前文件：" + a file name or full path.
std::string SuiteFileCaption(std::string_view file);
// The caption after Save As.
std::string SuiteSaveAsCaption(std::string_view path);
// "选动画[" + index + "]：".
std::string BackdropLabel(int index);

struct HelpMessage {
  const char* caption;
  std::string text;  // lines joined by CR LF
};
HelpMessage MenuHelpMessage();
HelpMessage SettingsHelpMessage();

// How many backdrop pictures the suite lists: Config/SZ by its leading digits, 1000 when the value is
// empty, none when it is negative.
int32_t BackdropLimit(std::string_view storedValue);

}  // namespace corvanta
