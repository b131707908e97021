#include "settings_reader.h"

#include "setting_keys.h"

using namespace setting_keys;

void ReadPlacementKeys(const SettingsFile& file, Settings& s) {
    s.WindowState = file.ReadInt(kRunSection, kWindowState, 0);
    s.WindowWidth = file.ReadInt(kPlacementSection, kWindowWidth, 0);
    s.WindowHeight = file.ReadInt(kPlacementSection, kWindowHeight, 0);
    s.WindowLeft = file.ReadInt(kPlacementSection, kWindowLeft, 0);
    s.WindowTop = file.ReadInt(kPlacementSection, kWindowTop, 0);
}

void ReadBarKeys(const SettingsFile& file, Settings& s) {
    s.StatusBarVisible = file.ReadBool(kBarSection, kStatusBarVisible, true);
    s.MenuBarVisible = file.ReadBool(kBarSection, kMenuBarVisible, true);
    s.TitleBarVisible = file.ReadBool(kBarSection, kTitleBarVisible, true);
}

void ReadAllowMultiple(const SettingsFile& file, Settings& s) {
    s.AllowMultipleInstances = file.ReadBool(kOtherSection, kAllowMultipleInstances, false);
}

std::int64_t ReadWindowHandleKey(const SettingsFile& file) {
    return file.ReadInt64(kRunSection, kWindowHandle, 0);
}

bool WriteWindowHandleKey(SettingsFile& file, std::int64_t handle) {
    return file.WriteInt(kRunSection, kWindowHandle, handle);
}

void ReadSkinIndexKey(const SettingsFile& file, Settings& s) {
    s.SkinIndex = file.ReadInt(kRunSection, kSkinIndex, 8);
}

void ReadBackgroundKey(const SettingsFile& file, Settings& s) {
    s.BoxBackColour = file.ReadInt(kRunSection, kBoxBackColour, 0xFFFFFF);
}

void ReadOpacityKeys(const SettingsFile& file, Settings& s) {
    s.SkinOpacity = file.ReadInt(kRunSection, kSkinOpacity, 100);
    s.SkinEffects = file.ReadBool(kRunSection, kSkinEffects, false);
}

void ReadSkinKeys(const SettingsFile& file, Settings& s) {
    ReadSkinIndexKey(file, s);
    ReadBackgroundKey(file, s);
    ReadOpacityKeys(file, s);
}

void ReadFontKeys(const SettingsFile& file, Settings& s) {
    s.FontBold = file.ReadBool(kFontSection, kFontBold, false);
    s.FontItalic = file.ReadBool(kFontSection, kFontItalic, false);
    s.FontStrikeOut = file.ReadBool(kFontSection, kFontStrikeOut, false);
    s.FontUnderline = file.ReadBool(kFontSection, kFontUnderline, false);
    s.FontName = file.ReadString(kFontSection, kFontName, "Times New Roman");
    s.FontColour = file.ReadInt(kFontSection, kFontColour, 0);
    s.FontSize = file.ReadInt(kFontSection, kFontSize, 14);
}

void ReadOptionKeys(const SettingsFile& file, Settings& s) {
    s.ExitAction = file.ReadInt(kRunSection, kExitAction, 0);
    s.UndoDepth = file.ReadInt(kRunSection, kUndoDepth, 50);
    if (s.UndoDepth <= 0) s.UndoDepth = 50;
    s.RunCount = file.ReadInt64(kRunSection, kRunCount, 1);
    s.Precision = file.ReadInt(kRunSection, kPrecision, 12);
    s.RoundingFlag = file.ReadBool(kRunSection, kRoundingFlag, false);
    s.LaptopKeys = file.ReadBool(kRunSection, kLaptopKeys, false);
    s.NewLinePasteResult = file.ReadBool(kRunSection, kNewLinePasteResult, false);
    s.KeepOnTop = file.ReadBool(kOtherSection, kKeepOnTop, false);
    s.ResultToClipboard = file.ReadBool(kOtherSection, kResultToClipboard, false);
    s.NewLineAfterResult = file.ReadBool(kOtherSection, kNewLineAfterResult, false);
    s.AngleUnit = file.ReadInt(kOtherSection, kAngleUnit, 1);
    s.EnterInsertsNewLine = file.ReadBool(kOtherSection, kEnterInsertsNewLine, false);
    s.RememberPlacement = file.ReadBool(kOtherSection, kRememberPlacement, true);
    s.ThousandsSeparator = file.ReadInt(kOtherSection, kThousandsSeparator, 0);
    s.RememberContent = file.ReadBool(kOtherSection, kRememberContent, false);
    s.SpaceSplitsExpressions = file.ReadBool(kRunSection, kSpaceSplitsExpressions, false);
    s.RoundLastDigit = file.ReadBool(kRunSection, kRoundLastDigit, true);
    s.EdgeHide = file.ReadBool(kRunSection, kEdgeHide, false);
    s.FractionType = file.ReadInt(kOtherSection, kFractionType, 0);
    s.ShowHideHotKeyOn = file.ReadBool(kHotKeySection, kShowHideHotKeyOn, false);
    s.ShowHideHotKeyMods = file.ReadInt(kHotKeySection, kShowHideHotKeyMods, 0);
    s.ShowHideHotKeyKey = file.ReadInt(kHotKeySection, kShowHideHotKeyKey, 112);
    s.QuickSymbolKeys = file.ReadBool(kOtherSection, kQuickSymbolKeys, false);
    s.WordWrap = file.ReadBool(kOtherSection, kWordWrap, false);
    s.AutoReplace = file.ReadBool(kOtherSection, kAutoReplace, false);
    s.PrefixLastResult = file.ReadBool(kOtherSection, kPrefixLastResult, false);
    s.FullScreenKeyOn = file.ReadBool(kHotKeySection, kFullScreenKeyOn, false);
    s.FullScreenKeyMods = file.ReadInt(kHotKeySection, kFullScreenKeyMods, 0);
    s.FullScreenKeyKey = file.ReadInt(kHotKeySection, kFullScreenKeyKey, 112);
    s.IgnoreChinese = file.ReadBool(kOtherSection, kIgnoreChinese, false);
    s.MulDivSymbols = file.ReadBool(kRunSection, kMulDivSymbols, true);
    s.DoubleClickCopy = file.ReadBool(kRunSection, kDoubleClickCopy, true);
    s.RealTimeMode = file.ReadBool(kRunSection, kRealTimeMode, true);
    s.SkinEnabled = file.ReadBool(kRunSection, kSkinEnabled, false);
    s.KeyboardOpenAtStart = file.ReadBool(kRunSection, kKeyboardOpenAtStart, false);
}

void ReadSavedCaret(const SettingsFile& file, Settings& s) {
    s.SavedCaret = file.ReadInt(kRunSection, kSavedCaret, 0);
}

void ReadKeyboardWindowKeys(const SettingsFile& file, Settings& s) {
    s.KeyboardWidth = file.ReadInt(kKeyboardSection, kKeyboardWidth, 540);
    s.KeyboardHeight = file.ReadInt(kKeyboardSection, kKeyboardHeight, 285);
    s.KeyboardLeft = file.ReadInt(kKeyboardSection, kKeyboardLeft, 285);
    s.KeyboardTop = file.ReadInt(kKeyboardSection, kKeyboardTop, 285);
    s.KeyboardScientific = file.ReadBool(kKeyboardSection, kKeyboardScientific, true);
}
