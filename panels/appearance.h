// The appearance window's logic (外观设置): the look it previews as data —
// skin stepping with wrap 33 <-> 1, skin off, effects, the transparency
// slider, the box's colours and the bars — what OK keeps in the record
// and what 取消 puts back.
#pragma once

#include <array>

#include "settings.h"
#include "settings_file.h"

constexpr int kSkinCount = 33;
// The plain system look, shown while 关闭皮肤 is checked.
constexpr int kSkinOff = 16;
// The skin 关闭皮肤 returns to when no other skin was chosen.
constexpr int kSkinBackOn = 8;

inline int NextSkin(int skin) { return skin >= kSkinCount || skin < 1 ? 1 : skin + 1; }
inline int PreviousSkin(int skin) { return skin <= 1 || skin > kSkinCount ? kSkinCount : skin - 1; }

// The engine's transparency arguments for a slider position 1..100
// (the engine value is ×5: 5..500).
inline std::array<int, 7> SkinAeroArguments(int opacity) { return {opacity * 5, 1, 1, 1, 0, 0, 0}; }

// The effects button's caption, fixed when the window opens.
inline const char* EffectsButtonCaption(bool effectsOn) { return effectsOn ? "关闭特效" : "打开特效"; }

// Everything the window changes in the running program.
struct AppearanceLook {
    int Skin = 8;
    bool Effects = false;
    int Opacity = 100;  // 1..100
    int BackColour = 16777215;
    int TextColour = 0;
    bool TitleBar = true;
    bool MenuBar = true;
    bool StatusBar = true;

    bool operator==(const AppearanceLook& o) const {
        return Skin == o.Skin && Effects == o.Effects && Opacity == o.Opacity && BackColour == o.BackColour &&
               TextColour == o.TextColour && TitleBar == o.TitleBar && MenuBar == o.MenuBar &&
               StatusBar == o.StatusBar;
    }
};

// The record's look: its skin, effects, opacity (held to 1..100 as the
// window's alpha holds it), box colours (the text colour is FontColour)
// and bars.
AppearanceLook LookOf(const Settings& settings);

class AppearanceChoice {
public:
    explicit AppearanceChoice(const Settings& settings);

    const AppearanceLook& Shown() const { return shown_; }
    // 关闭皮肤 is checked exactly while skin 16 is shown.
    bool SkinOffChecked() const { return shown_.Skin == kSkinOff; }

    void Next();
    void Previous();
    // Checked: back to the last skin chosen (8 when that was 16); unchecked:
    // skin 16. The last skin chosen stays.
    void ToggleSkinOff();
    void ToggleEffects() { shown_.Effects = !shown_.Effects; }
    void SetOpacity(int position);
    void SetBackColour(int colour) { shown_.BackColour = colour; }
    void SetTextColour(int colour) { shown_.TextColour = colour; }
    void SetBars(bool title, bool menu, bool status);

    // OK: the shown look into the record (skin, effects, opacity, both box
    // colours, the bars).
    void Keep(Settings& settings) const;
    // 取消: the look when the window opened, the window's alpha included.
    const AppearanceLook& Restored() const { return opened_; }

private:
    AppearanceLook opened_;
    AppearanceLook shown_;
    int last_;
};

// OK's keys, each a write of its own, in this order: 背景颜色, 软件皮肤,
// 皮肤滑块条, 加载特效; the folder is made first so a first run's choice is
// kept.
bool WriteAppearanceKeys(SettingsFile& file, const Settings& settings);
