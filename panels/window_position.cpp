#include "window_position.h"

#include "layout.h"
#include "setting_table.h"
#include "setting_values.h"
#include "settings.h"

namespace {

std::string ReadText(const SettingsFile& file, int Settings::*field) {
    const SettingKey& key = SettingKeyOf(field);
    return file.ReadString(key.section, key.name, "0");
}

bool WriteText(SettingsFile& file, int Settings::*field, const std::string& text) {
    const SettingKey& key = SettingKeyOf(field);
    return file.WriteString(key.section, key.name, text);
}

}  // namespace

PositionTexts ReadPositionTexts(const SettingsFile& file) {
    PositionTexts texts;
    texts.Left = ReadText(file, &Settings::WindowLeft);
    texts.Top = ReadText(file, &Settings::WindowTop);
    texts.Width = ReadText(file, &Settings::WindowWidth);
    texts.Height = ReadText(file, &Settings::WindowHeight);
    return texts;
}

bool PositionAccepted(const PositionTexts& texts, int screenWidth, int screenHeight) {
    const WindowRect rect{Int32FromSetting(texts.Left), Int32FromSetting(texts.Top), Int32FromSetting(texts.Width),
                          Int32FromSetting(texts.Height)};
    return PlacementKept(rect, screenWidth, screenHeight);
}

bool WritePositionTexts(SettingsFile& file, const PositionTexts& texts) {
    file.CreateFolder();
    return WriteText(file, &Settings::WindowLeft, texts.Left) && WriteText(file, &Settings::WindowTop, texts.Top) &&
           WriteText(file, &Settings::WindowWidth, texts.Width) &&
           WriteText(file, &Settings::WindowHeight, texts.Height);
}
