// The main window's creation handler: every setting is read from the
// settings file and applied in a fixed order before the window is shown.
#include <algorithm>

#include "calculator_core.h"
#include "caret_position.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "effective_values.h"
#include "file_io.h"
#include "keyboard_effects.h"
#include "engine.h"
#include "gbk_codec.h"
#include "layout.h"
#include "main_window.h"
#include "messages.h"
#include "program_files.h"
#include "resource_ids.h"
#include "settings_file.h"
#include "settings_reader.h"
#include "single_instance.h"
#include "status_bar_adapter.h"
#include "window_ids.h"

StartResult MainWindow::MainWindowCreated() {
    SettingsFile& file = core_->SettingsStore;
    EditBoxAdapter& text = core_->Text;
    // Every step below reads its keys from one read of the file.
    SettingsFile::ReadOnceScope readOnce(file);
    // 1. Placement with the off-screen fallback; 2. the bars.
    ReadPlacementKeys(file, settings_);
    frame_.Place();
    ReadBarKeys(file, settings_);
    frame_.ApplyBars();

    // 3. A second instance ends here.
    ReadAllowMultiple(file, settings_);
    if (!settings_.AllowMultipleInstances && CheckSingleInstance() == StartResult::AnotherInstance)
        return StartResult::AnotherInstance;

    // 4. Skin; 5. background; 6. transparency and effects.
    ReadSkinIndexKey(file, settings_);
    skin_->Apply(settings_.SkinIndex);
    FocusBox();
    ReadBackgroundKey(file, settings_);
    look_.Paint(box_.Handle(), settings_.BoxBackColour);
    ReadOpacityKeys(file, settings_);
    skin_->Apply(settings_.SkinIndex);
    skin_->AdjustAero({EffectiveOpacity(settings_.SkinOpacity) * 5, 1, 1, 1, 0, 0, 0});
    skin_->SetAero(settings_.SkinEffects);
    frame_.SetAlpha(WindowAlpha(settings_.SkinOpacity));

    // 7. Tray icon; 8. font.
    closing_.AddTrayIcon(kTrayMessage, trayIcon_);
    ReadFontKeys(file, settings_);
    ApplyFont();

    // 9. Options; 10. virtual keyboard; 11. word wrap; 12. hot key.
    ReadOptionKeys(file, settings_);
    if (settings_.KeyboardOpenAtStart) keyboard_->Window().OpenVirtualKeyboard();
    frame_.SetWordWrap(settings_.WordWrap, text);
    edge_.RegisterShowHideHotKey(Handle(), settings_);

    // 13. Subclassing; 14. drop target; 15. always on top; 16. content.
    InstallSubclassing();
    dropTarget_.Register(Handle(), core_->Drop);
    frame_.SetKeepOnTop(settings_.KeepOnTop);
    const bool backupRestored = RestoreContent();

    // The text start-up put in is nobody's unsaved change.
    SendMessageW(box_.Handle(), EM_SETMODIFY, FALSE, 0);

    // 17. First undo snapshot; 18. caret position; 19. real-time check mark.
    RecordUndoSnapshot();
    ShowCaretPosition();
    modes_.RefreshMenus();

    // 20. Geometry as it stands; 21. edge-hiding timer; 22. compatible copy.
    frame_.RememberPlacement();
    edge_.SetEdgeHideTimer(Handle(), settings_);
    menus_.SetCompatCopyVisible(Handle(), settings_.MulDivSymbols);

    // 23. Modes; 24. ready message; 25. a window left slid out comes back
    // and stays a while.
    modes_.ModesChanged();
    core_->Status.SetPartText(StatusPart::Message, backupRestored ? msg::kStartupReady : msg::kBackupTooLarge);
    edge_.BringBack();
    return StartResult::Running;
}

StartResult MainWindow::CheckSingleInstance() {
    const std::wstring marker = ProgramPath(programFolder_, programfiles::kInstanceMarker);
    if (HoldInstanceMarker(marker) == InstanceCheck::AnotherInstance) {
        RestoreRunningInstance(ReadWindowHandleKey(core_->SettingsStore), kMainWindowClass);
        return StartResult::AnotherInstance;
    }
    WriteWindowHandleKey(core_->SettingsStore, static_cast<std::int64_t>(reinterpret_cast<UINT_PTR>(Handle())));
    return StartResult::Running;
}

void MainWindow::InstallSubclassing() {
    closing_.WatchSessionEnd();
    box_.HandMessagesTo({&core_->Keys, &core_->Chars, &core_->Text, &core_->Clipboard, &settings_});
}

bool MainWindow::RestoreContent() {
    EditBoxAdapter& text = core_->Text;
    if (settings_.RememberContent) {
        // Taken as text up to its first zero byte; a file that cannot be
        // read gives the cleared box.
        ReadResult file = ReadWholeFile(ProgramPath(programFolder_, programfiles::kBackupFile),
                                        programfiles::kLargestReadableFile);
        if (file.Outcome == ReadOutcome::Ok) {
            const std::string& backup = file.Bytes.erase(std::min(file.Bytes.size(), file.Bytes.find('\0')));
            text.SetText(backup);
            ReadSavedCaret(core_->SettingsStore, settings_);
            const TextPos caret = static_cast<TextPos>(
                std::clamp<std::int64_t>(settings_.SavedCaret, 0, static_cast<std::int64_t>(backup.size())));
            text.SetSelectionLength(0);
            text.SetSelectionStart(caret);
            return true;
        }
        ClearBox(text);
        if (file.Outcome != ReadOutcome::TooLarge) return true;
        // The backup stays as it is until the user puts something else in
        // the box: the exit save would otherwise replace it with this one.
        exitSave_.KeepBackupWhileBoxHolds(text.Text());
        return false;
    }
    if (text.Text().empty()) ClearBox(text);
    return true;
}
