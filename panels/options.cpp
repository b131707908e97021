#include "options.h"

#include "effective_values.h"
#include "setting_table.h"
#include "setting_values.h"
#include "settings_writer.h"

namespace {

constexpr int kFirstFunctionKey = 112;  // VK_F1
constexpr int kFunctionKeyCount = 12;
constexpr int kAltIndex = 3;
constexpr int kAltState = 4;  // Alt in a key event's shift state

int IndexWithin(int value, int count) { return value >= 0 && value < count ? value : -1; }

// An index of -1 (nothing chosen) keeps what the record holds.
void Choose(int index, int& field, int value) {
    if (index >= 0) field = value;
}

// The check boxes, each showing and setting one field.
constexpr struct {
    bool Settings::*setting;
    bool OptionsControls::*control;
} kCheckBoxes[] = {
    {&Settings::NewLineAfterResult, &OptionsControls::NewLineAfterResult},
    {&Settings::NewLinePasteResult, &OptionsControls::NewLinePasteResult},
    {&Settings::LaptopKeys, &OptionsControls::LaptopKeys},
    {&Settings::IgnoreChinese, &OptionsControls::IgnoreChinese},
    {&Settings::ResultToClipboard, &OptionsControls::ResultToClipboard},
    {&Settings::SpaceSplitsExpressions, &OptionsControls::SpaceSplitsExpressions},
    {&Settings::RememberContent, &OptionsControls::RememberContent},
    {&Settings::MulDivSymbols, &OptionsControls::MulDivSymbols},
    {&Settings::KeepOnTop, &OptionsControls::KeepOnTop},
    {&Settings::AllowMultipleInstances, &OptionsControls::AllowMultipleInstances},
    {&Settings::RememberPlacement, &OptionsControls::RememberPlacement},
    {&Settings::EdgeHide, &OptionsControls::EdgeHide},
    {&Settings::DoubleClickCopy, &OptionsControls::DoubleClickCopy},
    {&Settings::ShowHideHotKeyOn, &OptionsControls::ShowHideHotKeyOn},
    {&Settings::FullScreenKeyOn, &OptionsControls::FullScreenKeyOn},
    {&Settings::PrefixLastResult, &OptionsControls::PrefixLastResult},
    {&Settings::WordWrap, &OptionsControls::WordWrap},
    {&Settings::QuickSymbolKeys, &OptionsControls::QuickSymbolKeys},
    {&Settings::AutoReplace, &OptionsControls::AutoReplace},
    {&Settings::RealTimeMode, &OptionsControls::RealTimeMode},
    // Opens unchecked: the record's value is never shown.
    {&Settings::SkinEnabled, &OptionsControls::SkinEnabled},
};

}  // namespace

OptionsControls FillOptions(const Settings& s) {
    OptionsControls c;
    for (const auto& box : kCheckBoxes) c.*box.control = s.*box.setting;
    c.SkinEnabled = false;
    c.ThousandsIndex = IndexWithin(s.ThousandsSeparator, 3);
    c.ExitChoice = IndexWithin(s.ExitAction, 3);
    c.AngleChoice = IndexWithin(s.AngleUnit - 1, 3);
    c.FractionChoice = IndexWithin(s.FractionType, 3);
    c.DecimalChoice = s.RoundLastDigit ? 1 : 0;
    c.PrecisionText = IntToSetting(s.Precision);
    c.EnterModeIndex = s.EnterInsertsNewLine ? 1 : 0;
    c.ShowHideModsIndex = IndexWithin(s.ShowHideHotKeyMods, 3);
    c.ShowHideKeyIndex = IndexWithin(s.ShowHideHotKeyKey - kFirstFunctionKey, kFunctionKeyCount);
    c.FullScreenModsIndex =
        s.FullScreenKeyMods == kAltState ? kAltIndex : IndexWithin(s.FullScreenKeyMods, kAltIndex);
    c.FullScreenKeyIndex = IndexWithin(s.FullScreenKeyKey - kFirstFunctionKey, kFunctionKeyCount);
    c.UndoDepthText = IntToSetting(s.UndoDepth);
    return c;
}

void ApplyOptions(const OptionsControls& c, Settings& s) {
    for (const auto& box : kCheckBoxes) s.*box.setting = c.*box.control;
    if (c.EnterModeIndex >= 0) s.EnterInsertsNewLine = c.EnterModeIndex != 0;
    Choose(c.ThousandsIndex, s.ThousandsSeparator, c.ThousandsIndex);
    Choose(c.ExitChoice, s.ExitAction, c.ExitChoice);
    // 直接删除超出部分 stores what 不足位数时添零 does.
    if (c.DecimalChoice >= 0) s.RoundLastDigit = c.DecimalChoice == 1;
    s.Precision = Int32FromSetting(c.PrecisionText);
    Choose(c.AngleChoice, s.AngleUnit, c.AngleChoice + 1);
    Choose(c.FractionChoice, s.FractionType, c.FractionChoice);
    Choose(c.ShowHideModsIndex, s.ShowHideHotKeyMods, c.ShowHideModsIndex);
    Choose(c.ShowHideKeyIndex, s.ShowHideHotKeyKey, kFirstFunctionKey + c.ShowHideKeyIndex);
    Choose(c.FullScreenModsIndex, s.FullScreenKeyMods,
           c.FullScreenModsIndex == kAltIndex ? kAltState : c.FullScreenModsIndex);
    Choose(c.FullScreenKeyIndex, s.FullScreenKeyKey, kFirstFunctionKey + c.FullScreenKeyIndex);
    s.UndoDepth = UndoDepthFromField(c.UndoDepthText);
}

bool ReadWordWrapKey(const SettingsFile& file) {
    const SettingKey& key = SettingKeyOf(&Settings::WordWrap);
    return file.ReadBool(key.section, key.name, false);
}

std::string UndoFieldAfterFocusLoss(const std::string& text) {
    return Int32FromSetting(text) > kUndoDepthMax ? IntToSetting(kUndoDepthMax) : text;
}

int UndoDepthFromField(const std::string& text) { return EffectiveUndoDepth(Int32FromSetting(text)); }

int OptionsPageAt(int scroll) {
    if (scroll >= 960) return 3;
    if (scroll >= 650) return 2;
    if (scroll >= 257) return 1;
    return 0;
}

int OptionsScrollOfPage(int page) {
    static constexpr int kPageScroll[kOptionsPageCount] = {0, 257, 650, 960};
    return page >= 0 && page < kOptionsPageCount ? kPageScroll[page] : 0;
}

bool WriteOptionKeys(SettingsFile& file, const Settings& settings) {
    file.CreateFolder();
    return WriteSettingKeys(
        file, settings,
        {&Settings::DoubleClickCopy, &Settings::MulDivSymbols, &Settings::UndoDepth, &Settings::AutoReplace,
         &Settings::WordWrap, &Settings::QuickSymbolKeys, &Settings::FractionType, &Settings::EdgeHide,
         &Settings::RoundLastDigit, &Settings::ShowHideHotKeyOn, &Settings::ShowHideHotKeyMods,
         &Settings::ShowHideHotKeyKey, &Settings::FullScreenKeyOn, &Settings::FullScreenKeyMods,
         &Settings::FullScreenKeyKey, &Settings::Precision, &Settings::AngleUnit, &Settings::SpaceSplitsExpressions,
         &Settings::LaptopKeys, &Settings::NewLinePasteResult, &Settings::KeepOnTop, &Settings::ResultToClipboard,
         &Settings::NewLineAfterResult, &Settings::ThousandsSeparator, &Settings::EnterInsertsNewLine,
         &Settings::RememberPlacement, &Settings::AllowMultipleInstances, &Settings::RememberContent,
         &Settings::PrefixLastResult, &Settings::IgnoreChinese});
}
