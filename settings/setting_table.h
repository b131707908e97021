// Every key of the settings file once: its section, its name, the field of
// Settings it fills and what reading does to a value out of range. A key's
// default is its field's initialiser in Settings.
//
// Names are GBK bytes compared exactly: a trailing blank is part of a name.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "settings.h"

// The field a key fills; its type is the key's kind: bool ("真"/"假"),
// 32-bit or 64-bit number (decimal text) or string.
using SettingField =
    std::variant<bool Settings::*, int Settings::*, std::int64_t Settings::*, std::string Settings::*>;

// Applied to a number when it is read, never when it is written.
enum class ReadLimit {
    None,
    ZeroOrLessIsDefault,
    // The number is held to the 32-bit range although its field is wider.
    Int32Range,
    // Held to kSmallestFontSize..kLargestFontSize.
    FontSizeRange,
};

struct SettingKey {
    const char* section;
    const char* name;
    SettingField field;
    ReadLimit limit;
};

inline constexpr char kRunSection[] = "运行设置";
inline constexpr char kOtherSection[] = "其他设置";
inline constexpr char kHotKeySection[] = "热键设置";
inline constexpr char kFontSection[] = "字体设置";
inline constexpr char kBarSection[] = "窗口状态设置";
inline constexpr char kPlacementSection[] = "启动窗口位置";
inline constexpr char kKeyboardSection[] = "键盘窗口设置";

inline constexpr SettingKey kSettingKeys[] = {
    {kRunSection, "窗口状态", &Settings::WindowState, ReadLimit::None},
    {kRunSection, "软件皮肤", &Settings::SkinIndex, ReadLimit::None},
    {kRunSection, "背景颜色", &Settings::BoxBackColour, ReadLimit::None},
    {kRunSection, "皮肤滑块条", &Settings::SkinOpacity, ReadLimit::None},
    {kRunSection, "加载特效", &Settings::SkinEffects, ReadLimit::None},
    {kRunSection, "退出设置", &Settings::ExitAction, ReadLimit::None},
    {kRunSection, "撤销设置", &Settings::UndoDepth, ReadLimit::ZeroOrLessIsDefault},
    {kRunSection, "运行次数", &Settings::RunCount, ReadLimit::None},
    {kRunSection, "运算精度设置", &Settings::Precision, ReadLimit::None},
    {kRunSection, "四舍五入", &Settings::RoundingFlag, ReadLimit::None},
    {kRunSection, "笔记本用户", &Settings::LaptopKeys, ReadLimit::None},
    {kRunSection, "换行粘贴结果", &Settings::NewLinePasteResult, ReadLimit::None},
    {kRunSection, "空格分式", &Settings::SpaceSplitsExpressions, ReadLimit::None},
    {kRunSection, "小数类型", &Settings::RoundLastDigit, ReadLimit::None},
    {kRunSection, "边缘隐藏", &Settings::EdgeHide, ReadLimit::None},
    {kRunSection, "乘除替换", &Settings::MulDivSymbols, ReadLimit::None},
    {kRunSection, "双击复制", &Settings::DoubleClickCopy, ReadLimit::None},
    {kRunSection, "动态刷新", &Settings::RealTimeMode, ReadLimit::None},
    {kRunSection, "启用皮肤", &Settings::SkinEnabled, ReadLimit::None},
    // Not the keyboard window's own 键盘开启 (kKeyboardWindowOpen below).
    {kRunSection, "键盘开启", &Settings::KeyboardOpenAtStart, ReadLimit::None},
    {kRunSection, "起始选择位置", &Settings::SavedCaret, ReadLimit::Int32Range},

    {kOtherSection, "允许多开", &Settings::AllowMultipleInstances, ReadLimit::None},
    {kOtherSection, "窗口前置", &Settings::KeepOnTop, ReadLimit::None},
    {kOtherSection, "结果到粘贴板", &Settings::ResultToClipboard, ReadLimit::None},
    {kOtherSection, "运算换行变量", &Settings::NewLineAfterResult, ReadLimit::None},
    {kOtherSection, "角度制选中", &Settings::AngleUnit, ReadLimit::None},
    {kOtherSection, "回车换行", &Settings::EnterInsertsNewLine, ReadLimit::None},
    {kOtherSection, "记住窗口", &Settings::RememberPlacement, ReadLimit::None},
    {kOtherSection, "逗号千分割", &Settings::ThousandsSeparator, ReadLimit::None},
    {kOtherSection, "退出保存", &Settings::RememberContent, ReadLimit::None},
    {kOtherSection, "分数类型", &Settings::FractionType, ReadLimit::None},
    {kOtherSection, "成对括号", &Settings::QuickSymbolKeys, ReadLimit::None},
    {kOtherSection, "自动折回", &Settings::WordWrap, ReadLimit::None},
    {kOtherSection, "自动替换", &Settings::AutoReplace, ReadLimit::None},
    {kOtherSection, "按esc退出 ", &Settings::PrefixLastResult, ReadLimit::None},  // ends in one blank
    {kOtherSection, "忽略汉字", &Settings::IgnoreChinese, ReadLimit::None},

    {kHotKeySection, "热键状态", &Settings::ShowHideHotKeyOn, ReadLimit::None},
    {kHotKeySection, "辅助功能快捷键", &Settings::ShowHideHotKeyMods, ReadLimit::None},
    {kHotKeySection, "辅助快捷键", &Settings::ShowHideHotKeyKey, ReadLimit::None},
    {kHotKeySection, "全屏快捷键", &Settings::FullScreenKeyOn, ReadLimit::None},
    {kHotKeySection, "全屏功能快捷键", &Settings::FullScreenKeyMods, ReadLimit::None},
    {kHotKeySection, "全屏辅助快捷键", &Settings::FullScreenKeyKey, ReadLimit::None},

    {kFontSection, "字体加粗", &Settings::FontBold, ReadLimit::None},
    {kFontSection, "字体倾斜", &Settings::FontItalic, ReadLimit::None},
    {kFontSection, "字体删除线", &Settings::FontStrikeOut, ReadLimit::None},
    {kFontSection, "字体下划线", &Settings::FontUnderline, ReadLimit::None},
    {kFontSection, "字体名称", &Settings::FontName, ReadLimit::None},
    {kFontSection, "字体颜色", &Settings::FontColour, ReadLimit::None},
    {kFontSection, "字体大小", &Settings::FontSize, ReadLimit::FontSizeRange},

    {kBarSection, "状态栏状态", &Settings::StatusBarVisible, ReadLimit::None},
    {kBarSection, "菜单栏状态", &Settings::MenuBarVisible, ReadLimit::None},
    {kBarSection, "标题栏状态", &Settings::TitleBarVisible, ReadLimit::None},

    {kPlacementSection, "_启动窗口.左边", &Settings::WindowLeft, ReadLimit::None},
    {kPlacementSection, "_启动窗口.顶边", &Settings::WindowTop, ReadLimit::None},
    {kPlacementSection, "_启动窗口.宽度", &Settings::WindowWidth, ReadLimit::None},
    {kPlacementSection, "_启动窗口.高度", &Settings::WindowHeight, ReadLimit::None},

    {kKeyboardSection, "键盘宽度", &Settings::KeyboardWidth, ReadLimit::None},
    {kKeyboardSection, "键盘高度", &Settings::KeyboardHeight, ReadLimit::None},
    {kKeyboardSection, "键盘左边", &Settings::KeyboardLeft, ReadLimit::None},
    {kKeyboardSection, "键盘顶边", &Settings::KeyboardTop, ReadLimit::None},
    {kKeyboardSection, "键盘模式", &Settings::KeyboardScientific, ReadLimit::None},
};

// The row that fills `field`; every field of Settings has one.
const SettingKey& SettingKeyOf(SettingField field);

// Keys that fill no field of the record, read and written on their own.
struct SettingName {
    const char* section;
    const char* name;
};
// The running instance's main window handle, for a second start to bring
// that window back.
inline constexpr SettingName kWindowHandle{kRunSection, "窗口代号"};
// Written by the keyboard window while it is open; start-up never reads it.
inline constexpr SettingName kKeyboardWindowOpen{kKeyboardSection, "键盘开启"};
