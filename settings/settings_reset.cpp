#include "settings_reset.h"

ResetLive ApplyResetValues(Settings& settings) {
    const Settings defaults;
    settings.FontBold = false;
    settings.FontItalic = false;
    settings.FontStrikeOut = false;
    settings.FontUnderline = false;
    settings.FontName = defaults.FontName;
    settings.FontColour = 0;
    settings.FontSize = 14;

    // The remembered placement too, so the next exit save writes it even
    // when the window cannot take it (maximised, say).
    const ResetLive live;
    settings.WindowLeft = live.Left;
    settings.WindowTop = live.Top;
    settings.WindowWidth = live.Width;
    settings.WindowHeight = live.Height;

    settings.ExitAction = 0;
    settings.SkinIndex = kResetSkinIndex;
    settings.UndoDepth = kDefaultUndoDepth;
    settings.RunCount = 1;
    settings.Precision = 13;
    settings.RoundingFlag = false;
    settings.LaptopKeys = false;
    settings.NewLinePasteResult = false;
    settings.KeepOnTop = false;
    settings.ResultToClipboard = false;
    settings.NewLineAfterResult = false;
    settings.AngleUnit = 1;
    settings.EnterInsertsNewLine = false;
    settings.RememberContent = false;

    settings.SkinOpacity = 100;
    settings.SkinEffects = false;
    return live;
}

std::optional<ResetLive> ResetSettings(Settings& settings, FileStore& store, const ResetFiles& files,
                                       ResetHost& host) {
    if (!host.ConfirmReset()) return std::nullopt;
    ResetLive live = ApplyResetValues(settings);
    host.SetSkinAero();
    host.AdjustSkinAero(kResetSkinAero);
    host.ApplySkin(kResetSkinIndex);
    for (const std::string* path : {&files.BackupIni, &files.BackupText, &files.SettingsFile})
        live.FilesDeleted = store.Delete(*path) && live.FilesDeleted;
    host.SetEdgeHideCountdown(kResetEdgeHideCountdown);
    return live;
}
