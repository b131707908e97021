// The program-wide settings record: one field per key of the settings file,
// each with the default that a missing key gives. The key that fills each
// field, and what reading does to a value out of range, are in
// setting_table.h.
#pragma once

#include <cstdint>
#include <string>

// Also what a depth of 0 or less stands for, when read and when used.
inline constexpr int kDefaultUndoDepth = 50;

// The box's font sizes in points, from whatever source: the settings file,
// the font dialog (whose list ends at 72 and which accepts no typed size
// beyond these) and the keys and wheel that enlarge or shrink it.
inline constexpr int kSmallestFontSize = 1;
inline constexpr int kLargestFontSize = 72;

struct Settings {
    // [运行设置]
    int WindowState = 0;             // 窗口状态
    int SkinIndex = 8;               // 软件皮肤
    int BoxBackColour = 16777215;    // 背景颜色
    int SkinOpacity = 100;           // 皮肤滑块条
    bool SkinEffects = false;        // 加载特效
    int ExitAction = 0;              // 退出设置
    int UndoDepth = kDefaultUndoDepth; // 撤销设置
    int64_t RunCount = 1;            // 运行次数
    int Precision = 12;              // 运算精度设置
    bool RoundingFlag = false;       // 四舍五入
    bool LaptopKeys = false;         // 笔记本用户
    bool NewLinePasteResult = false; // 换行粘贴结果
    bool SpaceSplitsExpressions = false; // 空格分式
    bool RoundLastDigit = true;      // 小数类型
    bool EdgeHide = false;           // 边缘隐藏
    bool MulDivSymbols = true;       // 乘除替换
    bool DoubleClickCopy = true;     // 双击复制
    bool RealTimeMode = true;        // 动态刷新
    bool SkinEnabled = false;        // 启用皮肤
    bool KeyboardOpenAtStart = false; // 键盘开启
    int64_t SavedCaret = 0;          // 起始选择位置

    // [其他设置]
    bool AllowMultipleInstances = false; // 允许多开
    bool KeepOnTop = false;          // 窗口前置
    bool ResultToClipboard = false;  // 结果到粘贴板
    bool NewLineAfterResult = false; // 运算换行变量
    int AngleUnit = 1;               // 角度制选中: 1 degrees, 2 radians, 3 grads
    bool EnterInsertsNewLine = false; // 回车换行
    bool RememberPlacement = true;   // 记住窗口
    int ThousandsSeparator = 0;      // 逗号千分割: 0 none, 1 ";", 2 ","
    bool RememberContent = false;    // 退出保存
    int FractionType = 0;            // 分数类型: 0 decimal, 1 improper, 2 mixed
    bool QuickSymbolKeys = false;    // 成对括号
    bool WordWrap = false;           // 自动折回
    bool AutoReplace = false;        // 自动替换
    bool PrefixLastResult = false;   // "按esc退出 "
    bool IgnoreChinese = false;      // 忽略汉字

    // [热键设置]
    bool ShowHideHotKeyOn = false;   // 热键状态
    int ShowHideHotKeyMods = 0;      // 辅助功能快捷键
    int ShowHideHotKeyKey = 112;     // 辅助快捷键
    bool FullScreenKeyOn = false;    // 全屏快捷键
    int FullScreenKeyMods = 0;       // 全屏功能快捷键
    int FullScreenKeyKey = 112;      // 全屏辅助快捷键

    // [字体设置]
    bool FontBold = false;           // 字体加粗
    bool FontItalic = false;         // 字体倾斜
    bool FontStrikeOut = false;      // 字体删除线
    bool FontUnderline = false;      // 字体下划线
    std::string FontName = "Times New Roman"; // 字体名称
    int FontColour = 0;              // 字体颜色
    int FontSize = 14;               // 字体大小

    // [窗口状态设置]
    bool StatusBarVisible = true;    // 状态栏状态
    bool MenuBarVisible = true;      // 菜单栏状态
    bool TitleBarVisible = true;     // 标题栏状态

    // [启动窗口位置]
    int WindowLeft = 0;              // _启动窗口.左边
    int WindowTop = 0;               // _启动窗口.顶边
    int WindowWidth = 0;             // _启动窗口.宽度
    int WindowHeight = 0;            // _启动窗口.高度

    // [键盘窗口设置]
    int KeyboardWidth = 540;         // 键盘宽度
    int KeyboardHeight = 285;        // 键盘高度
    int KeyboardLeft = 285;          // 键盘左边
    int KeyboardTop = 285;           // 键盘顶边
    bool KeyboardScientific = true;  // 键盘模式
};

// Number of decimal places the engine uses: whatever the record holds,
// it stays within 0..14 so no formatting step can be asked for absurd widths.
inline int EffectivePrecision(const Settings& settings) {
    if (settings.Precision < 0) return 0;
    if (settings.Precision > 14) return 14;
    return settings.Precision;
}
