#include "exit_save.h"

#include <limits>

#include "settings_writer.h"

std::vector<SettingText> ExitSaveKeys(const Settings& settings, std::int64_t caret) {
    Settings saved = settings;
    saved.SavedCaret = caret;
    if (saved.RunCount < std::numeric_limits<std::int64_t>::max()) ++saved.RunCount;

    std::vector<SettingField> fields = {&Settings::FontBold,      &Settings::FontItalic, &Settings::FontStrikeOut,
                                        &Settings::FontUnderline, &Settings::FontName,   &Settings::FontColour,
                                        &Settings::FontSize};
    if (settings.RememberPlacement)
        fields.insert(fields.end(), {&Settings::WindowLeft, &Settings::WindowTop, &Settings::WindowWidth,
                                     &Settings::WindowHeight});
    fields.insert(fields.end(),
                  {&Settings::SavedCaret, &Settings::ExitAction, &Settings::UndoDepth, &Settings::RoundingFlag,
                   &Settings::WindowState, &Settings::RealTimeMode, &Settings::SkinEnabled,
                   &Settings::TitleBarVisible, &Settings::MenuBarVisible, &Settings::StatusBarVisible,
                   &Settings::RunCount});

    std::vector<SettingText> texts;
    texts.reserve(fields.size());
    for (const SettingField& field : fields) texts.push_back(SettingTextOf(saved, field));
    return texts;
}

ExitSaveResult SaveSettingsAtExit(SettingsFile& file, FileStore& store, const std::string& backupPath,
                                  const Settings& settings, const ExitSnapshot& box) {
    ExitSaveResult result;
    if (!store.Exists(file.Path())) file.CreateFolder();
    result.SettingsSaved = file.WriteAll(ExitSaveKeys(settings, box.Caret));
    if (settings.RememberContent) result.BackupSaved = store.ReplaceAtomically(backupPath, box.BoxText);
    return result;
}
