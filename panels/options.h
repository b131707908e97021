// The options window's logic without a window: what its controls show for
// the settings record and what OK makes of them, the undo field's rules,
// the scrolled panel's positions and the keys OK writes.
#pragma once

#include <string>

#include "settings.h"
#include "settings_file.h"

// What the options window's controls hold. A combo box index or a radio
// choice of -1 means nothing is selected: a value the file holds outside
// what the control offers is shown as no choice and kept by OK.
struct OptionsControls {
    // 过程设置
    int ThousandsIndex = -1;  // "无千分符号", "“；”代表千分符", "“，”代表千分符"
    bool NewLineAfterResult = false;
    bool NewLinePasteResult = false;
    bool LaptopKeys = false;
    // 退出设置: 询问, 直接退出, 置托盘
    int ExitChoice = -1;
    // 其他设置
    bool IgnoreChinese = false;
    bool ResultToClipboard = false;
    bool SpaceSplitsExpressions = false;
    bool RememberContent = false;
    bool MulDivSymbols = false;
    bool KeepOnTop = false;
    bool AllowMultipleInstances = false;
    bool RememberPlacement = false;
    bool EdgeHide = false;
    bool DoubleClickCopy = false;
    // 角度类型: 角度制, 弧度制, 百分度
    int AngleChoice = -1;
    // 分数选择: 小数, 分数, 带分数
    int FractionChoice = -1;
    // 小数处理方式: 0 不足位数时添零, 1 末位四舍五入, 2 直接删除超出部分
    // (which stores the same as 0: results have no cutting mode).
    int DecimalChoice = -1;
    std::string PrecisionText;
    // 计算方式: 0 Enter computes, 1 Ctrl+Enter computes
    int EnterModeIndex = -1;
    // 呼出和隐藏: modifier "空", "Ctrl", "Shift"; key "F1".."F12"
    bool ShowHideHotKeyOn = false;
    int ShowHideModsIndex = -1;
    int ShowHideKeyIndex = -1;
    // 普通和全屏: modifier "空", "Ctrl", "Shift", "Alt"; key "F1".."F12"
    bool FullScreenKeyOn = false;
    int FullScreenModsIndex = -1;
    int FullScreenKeyIndex = -1;
    // 撤销
    std::string UndoDepthText;
    // 其他功能
    bool PrefixLastResult = false;
    bool WordWrap = false;
    bool QuickSymbolKeys = false;
    bool AutoReplace = false;
    bool RealTimeMode = false;
    bool SkinEnabled = false;  // always opens unchecked
};

// The controls as the window opens. The word-wrap box shows the settings
// file's key (ReadWordWrapKey), which the caller puts in.
OptionsControls FillOptions(const Settings& settings);
// OK: the controls into the record. Undo depth and precision go through the
// limits the start-up reader applies, so a depth confirmed with Enter
// straight from the field is held as if the field had been left.
void ApplyOptions(const OptionsControls& controls, Settings& settings);

// 自动折回 as the file holds it ("假" when missing).
bool ReadWordWrapKey(const SettingsFile& file);

// Spin limits of the two fields.
inline constexpr int kPrecisionMin = 0;
inline constexpr int kPrecisionMax = 14;
inline constexpr int kUndoDepthMin = 1;
inline constexpr int kUndoDepthMax = 500;

// The undo field takes every character but "-".
inline bool UndoFieldAcceptsChar(unsigned ch) { return ch != '-'; }
// The field's text once it loses the focus: a number above 500 becomes
// "500", anything else stays as typed.
std::string UndoFieldAfterFocusLoss(const std::string& text);
// The depth OK stores: above 500 held to 500, 0 or less (an empty field
// included) the default, as the reader would read it.
int UndoDepthFromField(const std::string& text);

// The scrolled panel, in the layout's own pixels: the option group is 1344
// high in a view 301 high.
inline constexpr int kOptionsScrollMax = 1344 - 301 - 30;
inline constexpr int kOptionsScrollStep = 10;
inline constexpr int kOptionsPageCount = 4;  // 常规, 结果, 按键, 特殊
// Top of the option group in the view for a scroll position.
inline int OptionsPanelTop(int scroll) { return -scroll - 10; }
// The page whose part of the panel the position shows.
int OptionsPageAt(int scroll);
// Where choosing a page scrolls to.
int OptionsScrollOfPage(int page);

// OK's 30 keys, in the order the options window writes them. The folder is
// made first, so a choice made on a first run is kept.
bool WriteOptionKeys(SettingsFile& file, const Settings& settings);
