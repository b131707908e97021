// The main window's creation handler: every setting is read from the
// settings file and applied in a fixed order before the window is shown.
#include <algorithm>

#include "caret_position.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "effective_values.h"
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

namespace {

// The whole file, taken as text up to its first zero byte; nothing when it
// cannot be read.
std::optional<std::string> ReadBackup(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    const size_t zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    return bytes;
}

}  // namespace

StartResult MainWindow::MainWindowCreated() {
    SettingsFile& file = *settingsFile_;
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
    ApplySkin();
    FocusBox();
    ReadBackgroundKey(file, settings_);
    if (boxBrush_) DeleteObject(boxBrush_);
    boxBrush_ = CreateSolidBrush(MaskColour(settings_.BoxBackColour));
    ReadOpacityKeys(file, settings_);
    ApplySkin();
    AdjustSkinAero();
    ApplyLayeredAlpha();

    // 7. Tray icon; 8. font.
    tray_.Add(window_, kTrayMessage, smallIcon_ ? smallIcon_ : icon_, L"Numerel");
    ReadFontKeys(file, settings_);
    ApplyFont();

    // 9. Options; 10. virtual keyboard; 11. word wrap; 12. hot key.
    ReadOptionKeys(file, settings_);
    if (settings_.KeyboardOpenAtStart) OpenVirtualKeyboard();
    ApplyWordWrap();
    RegisterShowHideHotKey();

    // 13. Subclassing; 14. drop target; 15. always on top; 16. content.
    InstallSubclassing();
    RegisterDropTarget();
    ApplyKeepOnTop();
    RestoreContent();

    // 17. First undo snapshot; 18. caret position; 19. real-time check mark.
    RecordUndoSnapshot();
    ShowCaretPosition();
    RefreshMenus();

    // 20. Geometry as it stands; 21. edge-hiding timer; 22. compatible copy.
    RememberPlacement();
    if (settings_.EdgeHide) {
        SetTimer(window_, kEdgeHideTimerId, 100, nullptr);
    } else {
        KillTimer(window_, kEdgeHideTimerId);
    }
    SetCompatCopyVisible(settings_.MulDivSymbols);

    // 23. Modes; 24. ready message; 25. a window left slid out comes back.
    UpdateRealtimeMenus();
    UpdateModeStatus();
    statusText_->SetPartText(0, msg::kStartupReady);
    EdgeDockAdjust();
    edgeHideCountdown_ = 25;
    return StartResult::Running;
}

void MainWindow::PlaceWindow() {
    const Placement placement =
        StartPlacement(settings_, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const WindowRect& r = placement.Rect;
    SetWindowPos(window_, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    startState_ = placement.State;
}

StartResult MainWindow::CheckSingleInstance() {
    const std::wstring marker = ProgramPath(programFolder_, programfiles::kInstanceMarker);
    if (HoldInstanceMarker(marker) == InstanceCheck::AnotherInstance) {
        RestoreRunningInstance(ReadWindowHandleKey(*settingsFile_), kMainWindowClass);
        return StartResult::AnotherInstance;
    }
    WriteWindowHandleKey(*settingsFile_, static_cast<std::int64_t>(reinterpret_cast<UINT_PTR>(window_)));
    return StartResult::Running;
}

void MainWindow::ApplyLayeredAlpha() {
    SetWindowLongPtrW(window_, GWL_EXSTYLE, GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(WindowAlpha(settings_.SkinOpacity)), LWA_ALPHA);
}

void MainWindow::ApplyFont() {
    settings_.FontSize = EffectiveFontSize(settings_.FontSize);
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(settings_.FontSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    LOGFONTW face = {};
    face.lfHeight = height;
    face.lfWeight = settings_.FontBold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = settings_.FontItalic;
    face.lfUnderline = settings_.FontUnderline;
    face.lfStrikeOut = settings_.FontStrikeOut;
    face.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = GbkToWide(FontFaceForLogFont(settings_.FontName));
    std::copy_n(name.c_str(), std::min<size_t>(name.size(), LF_FACESIZE - 1), face.lfFaceName);
    const HFONT font = CreateFontIndirectW(&face);
    if (!font) return;
    SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) DeleteObject(font_);
    font_ = font;
}

void MainWindow::ApplyWordWrap() {
    const bool wraps = (GetWindowLongPtrW(box_, GWL_STYLE) & WS_HSCROLL) == 0;
    if (wraps == settings_.WordWrap) return;
    CreateBox(settings_.WordWrap);
    LayoutMainWindow();
}

void MainWindow::RegisterShowHideHotKey() {
    constexpr int kHotKeyId = 1;
    if (showHideHotKeyId_) UnregisterHotKey(window_, showHideHotKeyId_);
    showHideHotKeyId_ = 0;
    if (!settings_.ShowHideHotKeyOn) return;
    // The setting counts 1 for Ctrl and 2 for Shift; the system has codes
    // of its own for them.
    UINT modifiers = 0;
    if (settings_.ShowHideHotKeyMods == 1) modifiers = MOD_CONTROL;
    if (settings_.ShowHideHotKeyMods == 2) modifiers = MOD_SHIFT;
    if (RegisterHotKey(window_, kHotKeyId, modifiers, static_cast<UINT>(settings_.ShowHideHotKeyKey)))
        showHideHotKeyId_ = kHotKeyId;
}

void MainWindow::InstallSubclassing() {
    if (!oldMainWindowProc_)
        oldMainWindowProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::MainWindowSubclassProc)));
    SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    oldEditBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::EditBoxSubclassProc)));
}

void MainWindow::ApplyKeepOnTop() {
    SetWindowPos(window_, settings_.KeepOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::RestoreContent() {
    if (settings_.RememberContent) {
        if (const auto backup = ReadBackup(ProgramPath(programFolder_, programfiles::kBackupFile))) {
            boxText_->SetText(*backup);
            ReadSavedCaret(*settingsFile_, settings_);
            const TextPos caret = static_cast<TextPos>(
                std::clamp<std::int64_t>(settings_.SavedCaret, 0, static_cast<std::int64_t>(backup->size())));
            boxText_->SetSelectionLength(0);
            boxText_->SetSelectionStart(caret);
            return;
        }
        ClearBox(*boxText_);
        return;
    }
    if (boxText_->Text().empty()) ClearBox(*boxText_);
}
