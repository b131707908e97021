#include "settings_reader.h"

#include <algorithm>
#include <limits>
#include <string>
#include <type_traits>
#include <variant>

namespace {

const Settings& Defaults() {
    static const Settings defaults;
    return defaults;
}

std::int64_t WithinReadLimit(ReadLimit limit, std::int64_t value, std::int64_t fallback) {
    switch (limit) {
        case ReadLimit::None:
            break;
        case ReadLimit::ZeroOrLessIsDefault:
            return value <= 0 ? fallback : value;
        case ReadLimit::Int32Range:
            return std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max());
        case ReadLimit::FontSizeRange:
            return std::clamp<std::int64_t>(value, kSmallestFontSize, kLargestFontSize);
    }
    return value;
}

template <class Value>
Value ReadValue(const SettingsFile& file, const SettingKey& key, const Value& fallback) {
    if constexpr (std::is_same_v<Value, bool>) {
        return file.ReadBool(key.section, key.name, fallback);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        return file.ReadString(key.section, key.name, fallback);
    } else if constexpr (std::is_same_v<Value, int>) {
        return static_cast<int>(WithinReadLimit(key.limit, file.ReadInt(key.section, key.name, fallback), fallback));
    } else {
        return WithinReadLimit(key.limit, file.ReadInt64(key.section, key.name, fallback), fallback);
    }
}

}  // namespace

void ReadSetting(const SettingsFile& file, Settings& settings, SettingField field) {
    const SettingKey& key = SettingKeyOf(field);
    std::visit([&](auto member) { settings.*member = ReadValue(file, key, Defaults().*member); }, key.field);
}

void ReadSettingKeys(const SettingsFile& file, Settings& settings, std::initializer_list<SettingField> fields) {
    for (const SettingField& field : fields) ReadSetting(file, settings, field);
}

void ReadPlacementKeys(const SettingsFile& file, Settings& s) {
    ReadSettingKeys(file, s, {&Settings::WindowState, &Settings::WindowWidth, &Settings::WindowHeight,
                              &Settings::WindowLeft, &Settings::WindowTop});
}

void ReadBarKeys(const SettingsFile& file, Settings& s) {
    ReadSettingKeys(file, s, {&Settings::StatusBarVisible, &Settings::MenuBarVisible, &Settings::TitleBarVisible});
}

void ReadAllowMultiple(const SettingsFile& file, Settings& s) {
    ReadSetting(file, s, &Settings::AllowMultipleInstances);
}

std::int64_t ReadWindowHandleKey(const SettingsFile& file) {
    return file.ReadInt64(kWindowHandle.section, kWindowHandle.name, 0);
}

bool WriteWindowHandleKey(SettingsFile& file, std::int64_t handle) {
    return file.WriteInt(kWindowHandle.section, kWindowHandle.name, handle);
}

void ReadSkinIndexKey(const SettingsFile& file, Settings& s) { ReadSetting(file, s, &Settings::SkinIndex); }

void ReadBackgroundKey(const SettingsFile& file, Settings& s) { ReadSetting(file, s, &Settings::BoxBackColour); }

void ReadOpacityKeys(const SettingsFile& file, Settings& s) {
    ReadSettingKeys(file, s, {&Settings::SkinOpacity, &Settings::SkinEffects});
}

void ReadSkinKeys(const SettingsFile& file, Settings& s) {
    ReadSkinIndexKey(file, s);
    ReadBackgroundKey(file, s);
    ReadOpacityKeys(file, s);
}

void ReadFontKeys(const SettingsFile& file, Settings& s) {
    ReadSettingKeys(file, s, {&Settings::FontBold, &Settings::FontItalic, &Settings::FontStrikeOut,
                              &Settings::FontUnderline, &Settings::FontName, &Settings::FontColour,
                              &Settings::FontSize});
}

void ReadOptionKeys(const SettingsFile& file, Settings& s) {
    ReadSettingKeys(file, s, {
        &Settings::ExitAction, &Settings::UndoDepth, &Settings::RunCount, &Settings::Precision, &Settings::RoundingFlag,
        &Settings::LaptopKeys, &Settings::NewLinePasteResult, &Settings::KeepOnTop, &Settings::ResultToClipboard,
        &Settings::NewLineAfterResult, &Settings::AngleUnit, &Settings::EnterInsertsNewLine,
        &Settings::RememberPlacement, &Settings::ThousandsSeparator, &Settings::RememberContent,
        &Settings::SpaceSplitsExpressions, &Settings::RoundLastDigit, &Settings::EdgeHide, &Settings::FractionType,
        &Settings::ShowHideHotKeyOn, &Settings::ShowHideHotKeyMods, &Settings::ShowHideHotKeyKey,
        &Settings::QuickSymbolKeys, &Settings::WordWrap, &Settings::AutoReplace, &Settings::PrefixLastResult,
        &Settings::FullScreenKeyOn, &Settings::FullScreenKeyMods, &Settings::FullScreenKeyKey, &Settings::IgnoreChinese,
        &Settings::MulDivSymbols, &Settings::DoubleClickCopy, &Settings::RealTimeMode, &Settings::SkinEnabled,
        &Settings::KeyboardOpenAtStart,
    });
}

void ReadSavedCaret(const SettingsFile& file, Settings& s) { ReadSetting(file, s, &Settings::SavedCaret); }

void ReadKeyboardWindowKeys(const SettingsFile& file, Settings& s) {
    ReadSettingKeys(file, s, {&Settings::KeyboardWidth, &Settings::KeyboardHeight, &Settings::KeyboardLeft,
                              &Settings::KeyboardTop, &Settings::KeyboardScientific});
}
