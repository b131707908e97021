#include "appearance.h"

#include "effective_values.h"
#include "settings_writer.h"

AppearanceLook LookOf(const Settings& settings) {
    AppearanceLook look;
    look.Skin = settings.SkinIndex;
    look.Effects = settings.SkinEffects;
    look.Opacity = EffectiveOpacity(settings.SkinOpacity);
    look.BackColour = settings.BoxBackColour;
    look.TextColour = settings.FontColour;
    look.TitleBar = settings.TitleBarVisible;
    look.MenuBar = settings.MenuBarVisible;
    look.StatusBar = settings.StatusBarVisible;
    return look;
}

AppearanceChoice::AppearanceChoice(const Settings& settings)
    : opened_(LookOf(settings)), shown_(opened_), last_(opened_.Skin) {}

void AppearanceChoice::Next() { last_ = shown_.Skin = NextSkin(shown_.Skin); }

void AppearanceChoice::Previous() { last_ = shown_.Skin = PreviousSkin(shown_.Skin); }

void AppearanceChoice::ToggleSkinOff() {
    if (SkinOffChecked())
        shown_.Skin = last_ == kSkinOff ? kSkinBackOn : last_;
    else
        shown_.Skin = kSkinOff;
}

void AppearanceChoice::SetOpacity(int position) { shown_.Opacity = position < 1 ? 1 : position > 100 ? 100 : position; }

void AppearanceChoice::SetBars(bool title, bool menu, bool status) {
    shown_.TitleBar = title;
    shown_.MenuBar = menu;
    shown_.StatusBar = status;
}

void AppearanceChoice::Keep(Settings& settings) const {
    settings.SkinIndex = shown_.Skin;
    settings.SkinEffects = shown_.Effects;
    settings.SkinOpacity = shown_.Opacity;
    settings.BoxBackColour = shown_.BackColour;
    settings.FontColour = shown_.TextColour;
    settings.TitleBarVisible = shown_.TitleBar;
    settings.MenuBarVisible = shown_.MenuBar;
    settings.StatusBarVisible = shown_.StatusBar;
}

bool WriteAppearanceKeys(SettingsFile& file, const Settings& settings) {
    file.CreateFolder();
    return WriteSettingKeys(file, settings, {&Settings::BoxBackColour, &Settings::SkinIndex, &Settings::SkinOpacity,
                                             &Settings::SkinEffects});
}
