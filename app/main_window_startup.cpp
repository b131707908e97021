// The main window's creation handler: every setting is read from the
// settings file and applied in a fixed order before the window is shown.
#include <algorithm>

#include "box_drop.h"
#include "caret_position.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "effective_values.h"
#include "file_io.h"
#include "keyboard_window.h"
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
    SettingsFile& file = *settingsFile_;
    // Every step below reads its keys from one read of the file.
    SettingsFile::ReadOnceScope readOnce(file);
    // 1. Placement with the off-screen fallback; 2. the bars.
    ReadPlacementKeys(file, settings_);
    PlaceWindow();
    ReadBarKeys(file, settings_);
    ApplyBars();

    // 3. A second instance ends here.
    ReadAllowMultiple(file, settings_);
    if (!settings_.AllowMultipleInstances && CheckSingleInstance() == StartResult::AnotherInstance)
        return StartResult::AnotherInstance;

    // 4. Skin; 5. background; 6. transparency and effects.
    ReadSkinIndexKey(file, settings_);
    skin_->Apply(settings_.SkinIndex);
    FocusBox();
    ReadBackgroundKey(file, settings_);
    PaintBox(settings_.BoxBackColour);
    ReadOpacityKeys(file, settings_);
    skin_->Apply(settings_.SkinIndex);
    skin_->AdjustAero({EffectiveOpacity(settings_.SkinOpacity) * 5, 1, 1, 1, 0, 0, 0});
    skin_->SetAero(settings_.SkinEffects);
    ApplyLayeredAlpha();

    // 7. Tray icon; 8. font.
    tray_.Add(Handle(), kTrayMessage, smallIcon_ ? smallIcon_ : icon_, L"Numerel");
    ReadFontKeys(file, settings_);
    ApplyFont();

    // 9. Options; 10. virtual keyboard; 11. word wrap; 12. hot key.
    ReadOptionKeys(file, settings_);
    if (settings_.KeyboardOpenAtStart) keyboard_->OpenVirtualKeyboard();
    ApplyWordWrap();
    edge_.RegisterShowHideHotKey(Handle(), settings_);

    // 13. Subclassing; 14. drop target; 15. always on top; 16. content.
    InstallSubclassing();
    dropTarget_.Register(Handle(), *boxDrop_);
    ApplyKeepOnTop();
    const bool backupRestored = RestoreContent();

    // The text start-up put in is nobody's unsaved change.
    SendMessageW(box_.Handle(), EM_SETMODIFY, FALSE, 0);

    // 17. First undo snapshot; 18. caret position; 19. real-time check mark.
    RecordUndoSnapshot();
    ShowCaretPosition();
    RefreshMenus();

    // 20. Geometry as it stands; 21. edge-hiding timer; 22. compatible copy.
    RememberPlacement();
    edge_.SetEdgeHideTimer(Handle(), settings_);
    SetCompatCopyVisible(settings_.MulDivSymbols);

    // 23. Modes; 24. ready message; 25. a window left slid out comes back
    // and stays a while.
    UpdateRealtimeMenus();
    UpdateModeStatus();
    statusText_->SetPartText(StatusPart::Message, backupRestored ? msg::kStartupReady : msg::kBackupTooLarge);
    edge_.BringBack();
    return StartResult::Running;
}

void MainWindow::PlaceWindow() {
    const Placement placement =
        StartPlacement(settings_, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const WindowRect& r = placement.Rect;
    SetWindowPos(Handle(), nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    startState_ = placement.State;
}

StartResult MainWindow::CheckSingleInstance() {
    const std::wstring marker = ProgramPath(programFolder_, programfiles::kInstanceMarker);
    if (HoldInstanceMarker(marker) == InstanceCheck::AnotherInstance) {
        RestoreRunningInstance(ReadWindowHandleKey(*settingsFile_), kMainWindowClass);
        return StartResult::AnotherInstance;
    }
    WriteWindowHandleKey(*settingsFile_, static_cast<std::int64_t>(reinterpret_cast<UINT_PTR>(Handle())));
    return StartResult::Running;
}

void MainWindow::PaintBox(int colour) {
    boxPaintColour_ = colour;
    if (boxBrush_) DeleteObject(boxBrush_);
    boxBrush_ = CreateSolidBrush(MaskColour(colour));
    InvalidateRect(box_.Handle(), nullptr, TRUE);
}

void MainWindow::ApplyLayeredAlpha() {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(WindowAlpha(settings_.SkinOpacity)), LWA_ALPHA);
}

void MainWindow::ApplyWordWrap() {
    if (box_.WordWraps() == settings_.WordWrap) return;
    box_.Create(Handle(), kBoxId, settings_.WordWrap);
    boxText_->SetControl(box_.Handle());
    LayoutMainWindow();
}

void MainWindow::InstallSubclassing() {
    // Windows asks before a log-off or shut-down; a cancelled one clears it.
    sessionWatch_.Install(Handle(), [this](UINT message, WPARAM wParam, LPARAM, bool&) -> LRESULT {
        if (message == WM_QUERYENDSESSION) sessionEnding_ = true;
        if (message == WM_ENDSESSION && !wParam) sessionEnding_ = false;
        return 0;
    });
    box_.HandMessagesTo({keys_.get(), charInput_.get(), boxText_.get(), clipboard_.get(), &settings_});
}

void MainWindow::ApplyKeepOnTop() {
    SetWindowPos(Handle(), settings_.KeepOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool MainWindow::RestoreContent() {
    if (settings_.RememberContent) {
        // Taken as text up to its first zero byte; a file that cannot be
        // read gives the cleared box.
        ReadResult file = ReadWholeFile(ProgramPath(programFolder_, programfiles::kBackupFile),
                                        programfiles::kLargestReadableFile);
        if (file.Outcome == ReadOutcome::Ok) {
            const std::string& backup = file.Bytes.erase(std::min(file.Bytes.size(), file.Bytes.find('\0')));
            boxText_->SetText(backup);
            ReadSavedCaret(*settingsFile_, settings_);
            const TextPos caret = static_cast<TextPos>(
                std::clamp<std::int64_t>(settings_.SavedCaret, 0, static_cast<std::int64_t>(backup.size())));
            boxText_->SetSelectionLength(0);
            boxText_->SetSelectionStart(caret);
            return true;
        }
        ClearBox(*boxText_);
        if (file.Outcome != ReadOutcome::TooLarge) return true;
        // The backup stays as it is until the user puts something else in
        // the box: the exit save would otherwise replace it with this one.
        exitSave_.KeepBackupWhileBoxHolds(boxText_->Text());
        return false;
    }
    if (boxText_->Text().empty()) ClearBox(*boxText_);
    return true;
}
