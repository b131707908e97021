#include "options_confirm.h"

#include "options_signs.h"

void ConfirmOptions(const OptionsControls& controls, Settings& settings, SettingsFile& file, OptionsHost& host) {
    ApplyOptions(controls, settings);
    host.SetAlwaysOnTop(settings.KeepOnTop);
    host.SetEscapeCloses(!settings.PrefixLastResult);
    host.ReRegisterShowHideHotKey(settings.ShowHideHotKeyOn, settings.ShowHideHotKeyMods, settings.ShowHideHotKeyKey);
    host.SetWordWrap(settings.WordWrap);
    host.SetEdgeHideTimer(settings.EdgeHide);
    host.ShowCompatibleCopy(settings.MulDivSymbols);
    ApplyMulDivSigns(host.Box(), settings.MulDivSymbols);
    host.RefreshModeDisplays();
    WriteOptionKeys(file, settings);
}
