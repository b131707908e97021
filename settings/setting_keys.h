// Every section and key name of the settings file, in one place. The names
// are compared byte for byte: a trailing blank is part of a name.
#pragma once

namespace setting_keys {

// Sections.
inline constexpr char kRunSection[] = "运行设置";
inline constexpr char kOtherSection[] = "其他设置";
inline constexpr char kHotKeySection[] = "热键设置";
inline constexpr char kFontSection[] = "字体设置";
inline constexpr char kBarSection[] = "窗口状态设置";
inline constexpr char kPlacementSection[] = "启动窗口位置";
inline constexpr char kKeyboardSection[] = "键盘窗口设置";

// [运行设置]
inline constexpr char kWindowState[] = "窗口状态";
inline constexpr char kWindowHandle[] = "窗口代号";
inline constexpr char kSkinIndex[] = "软件皮肤";
inline constexpr char kBoxBackColour[] = "背景颜色";
inline constexpr char kSkinOpacity[] = "皮肤滑块条";
inline constexpr char kSkinEffects[] = "加载特效";
inline constexpr char kExitAction[] = "退出设置";
inline constexpr char kUndoDepth[] = "撤销设置";
inline constexpr char kRunCount[] = "运行次数";
inline constexpr char kPrecision[] = "运算精度设置";
inline constexpr char kRoundingFlag[] = "四舍五入";
inline constexpr char kLaptopKeys[] = "笔记本用户";
inline constexpr char kNewLinePasteResult[] = "换行粘贴结果";
inline constexpr char kSpaceSplitsExpressions[] = "空格分式";
inline constexpr char kRoundLastDigit[] = "小数类型";
inline constexpr char kEdgeHide[] = "边缘隐藏";
inline constexpr char kMulDivSymbols[] = "乘除替换";
inline constexpr char kDoubleClickCopy[] = "双击复制";
inline constexpr char kRealTimeMode[] = "动态刷新";
inline constexpr char kSkinEnabled[] = "启用皮肤";
// Read at start-up; a different key from the keyboard window's own 键盘开启.
inline constexpr char kKeyboardOpenAtStart[] = "键盘开启";
inline constexpr char kSavedCaret[] = "起始选择位置";

// [其他设置]
inline constexpr char kAllowMultipleInstances[] = "允许多开";
inline constexpr char kKeepOnTop[] = "窗口前置";
inline constexpr char kResultToClipboard[] = "结果到粘贴板";
inline constexpr char kNewLineAfterResult[] = "运算换行变量";
inline constexpr char kAngleUnit[] = "角度制选中";
inline constexpr char kEnterInsertsNewLine[] = "回车换行";
inline constexpr char kRememberPlacement[] = "记住窗口";
inline constexpr char kThousandsSeparator[] = "逗号千分割";
inline constexpr char kRememberContent[] = "退出保存";
inline constexpr char kFractionType[] = "分数类型";
inline constexpr char kQuickSymbolKeys[] = "成对括号";
inline constexpr char kWordWrap[] = "自动折回";
inline constexpr char kAutoReplace[] = "自动替换";
// The name ends in one blank; without it this is another key.
inline constexpr char kPrefixLastResult[] = "按esc退出 ";
inline constexpr char kIgnoreChinese[] = "忽略汉字";

// [热键设置]
inline constexpr char kShowHideHotKeyOn[] = "热键状态";
inline constexpr char kShowHideHotKeyMods[] = "辅助功能快捷键";
inline constexpr char kShowHideHotKeyKey[] = "辅助快捷键";
inline constexpr char kFullScreenKeyOn[] = "全屏快捷键";
inline constexpr char kFullScreenKeyMods[] = "全屏功能快捷键";
inline constexpr char kFullScreenKeyKey[] = "全屏辅助快捷键";

// [字体设置]
inline constexpr char kFontBold[] = "字体加粗";
inline constexpr char kFontItalic[] = "字体倾斜";
inline constexpr char kFontStrikeOut[] = "字体删除线";
inline constexpr char kFontUnderline[] = "字体下划线";
inline constexpr char kFontName[] = "字体名称";
inline constexpr char kFontColour[] = "字体颜色";
inline constexpr char kFontSize[] = "字体大小";

// [窗口状态设置]
inline constexpr char kStatusBarVisible[] = "状态栏状态";
inline constexpr char kMenuBarVisible[] = "菜单栏状态";
inline constexpr char kTitleBarVisible[] = "标题栏状态";

// [启动窗口位置]
inline constexpr char kWindowLeft[] = "_启动窗口.左边";
inline constexpr char kWindowTop[] = "_启动窗口.顶边";
inline constexpr char kWindowWidth[] = "_启动窗口.宽度";
inline constexpr char kWindowHeight[] = "_启动窗口.高度";

// [键盘窗口设置]
inline constexpr char kKeyboardWidth[] = "键盘宽度";
inline constexpr char kKeyboardHeight[] = "键盘高度";
inline constexpr char kKeyboardLeft[] = "键盘左边";
inline constexpr char kKeyboardTop[] = "键盘顶边";
inline constexpr char kKeyboardScientific[] = "键盘模式";
// Written by the keyboard window while it is open; start-up never reads it.
inline constexpr char kKeyboardOpen[] = "键盘开启";

}  // namespace setting_keys
