#include "main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "accumulator_effects.h"
#include "box_drop.h"
#include "keyboard_effects.h"
#include "caret_position.h"
#include "char_input.h"
#include "clock_text.h"
#include "clipboard_adapter.h"
#include "dialog.h"
#include "edit_box_adapter.h"
#include "file_effects.h"
#include "find_effects.h"
#include "find_replace_window.h"
#include "effective_values.h"
#include "engine.h"
#include "key_handlers.h"
#include "keyboard_state.h"
#include "line_commands.h"
#include "program_files.h"
#include "resource_ids.h"
#include "settings_file.h"
#include "status_bar_adapter.h"
#include "win32_file_store.h"
#include "window_ids.h"

const wchar_t kMainWindowClass[] = L"NumerelMainWindow";

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
    MessageLoop::ForThisThread().RemoveFilter(*this);
    // Through the window's own destruction, so that it revokes its drop
    // target and removes its tray icon.
    if (Handle()) DestroyWindow(Handle());
    Release();
}

StartResult MainWindow::Create(HINSTANCE instance, const std::wstring& programFolder, bool endsProgram) {
    programFolder_ = programFolder;
    endsProgram_ = endsProgram;
    // Beside the executable, as the engine's file always is.
    skin_ = std::make_unique<Skin>();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // Shared icons: the window class keeps using them after a window ends.
    icon_ = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    Dialog::SetWindowIcons(icon_, smallIcon_);
    WindowClass windowClass;
    windowClass.Name = kMainWindowClass;
    windowClass.Icon = icon_;
    windowClass.SmallIcon = smallIcon_;
    windowClass.Cursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!Window::Register(instance, windowClass)) return StartResult::Failed;

    mainMenu_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    contextMenuRoot_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_CONTEXT_MENU));
    contextMenu_ = contextMenuRoot_ ? GetSubMenu(contextMenuRoot_, 0) : nullptr;
    trayMenuRoot_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_TRAY_MENU));
    trayMenu_ = trayMenuRoot_ ? GetSubMenu(trayMenuRoot_, 0) : nullptr;
    BuildCommands();

    // Created hidden: the creation handler runs before the window is shown.
    if (!Window::Create(instance, kMainWindowClass, "Numerel", WS_OVERLAPPEDWINDOW, 0, nullptr, mainMenu_))
        return StartResult::Failed;
    if (!CreateControls()) {
        DestroyWindow(Handle());
        return StartResult::Failed;
    }
    MessageLoop::ForThisThread().AddFilter(*this);
    const StartResult result = MainWindowCreated();
    running_ = result == StartResult::Running;
    // Start-up's own writes are no user action and fail quietly; from now
    // on every failed write is told.
    if (running_) settingsFile_->SetFailureHandler([this] { SettingsWriteFailed(); });
    if (!running_) {
        // A second instance ends here, never shown and without a trace.
        endsProgram_ = false;
        DestroyWindow(Handle());
    }
    return result;
}

bool MainWindow::CreateControls() {
    const HWND window = Handle();
    const HINSTANCE instance = Instance();
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance, nullptr);
    if (!status_ || !box_.Create(window, kBoxId, false)) return false;

    fileStore_ = std::make_unique<Win32FileStore>(programFolder_);
    settingsFile_ = std::make_unique<SettingsFile>(*fileStore_, programfiles::kSettingsFile);
    boxText_ = std::make_unique<EditBoxAdapter>(box_.Handle());
    boxText_->SetTextChangedHandler([this] { BoxTextChanged(); });
    statusText_ = std::make_unique<StatusBarAdapter>(status_);
    clipboard_ = std::make_unique<ClipboardAdapter>(window);
    engine_ = std::make_unique<Engine>(*boxText_, *statusText_, *clipboard_, settings_, state_);
    keys_ = std::make_unique<KeyHandlers>(*boxText_, *statusText_, *engine_, settings_,
                                          static_cast<KeyHandlerHost&>(*this));
    charInput_ = std::make_unique<CharInput>(*boxText_, settings_, state_);
    lineCommands_ = std::make_unique<LineCommands>(*boxText_, *statusText_, *clipboard_, settings_, *engine_);
    textChanged_ = std::make_unique<TextChangedHandling>(*boxText_, *statusText_, settings_,
                                                         static_cast<TextChangedHost&>(*this));
    boxDrop_ = std::make_unique<BoxDrop>(*boxText_, window);
    // The clock runs from the window's creation on.
    SetTimer(window, kClockTimerId, 1000, nullptr);
    if (statusTip_.Create(window)) statusTip_.Attach(status_, "单击重算，双击全清，右击打开辅助键盘");
    CreateFind();
    keyboardHost_ = std::make_unique<KeyboardEffects>(*this);
    keyboard_ = std::make_unique<KeyboardWindow>(instance, window, *keyboardHost_);
    edge_.Attach(
        window, settings_, [this] { return keyboard_ && keyboard_->IsOpen() ? keyboard_->Handle() : nullptr; },
        [this] { FocusBox(); });
    accumulatorHost_ = std::make_unique<AccumulatorEffects>(*this);
    accumulator_ = std::make_unique<AccumulatorWindow>(instance, window, *accumulatorHost_);
    fileHost_ = std::make_unique<FileEffects>(*this);
    files_ = std::make_unique<FileCommands>(*fileHost_);
    return true;
}

void MainWindow::Show(int showCommand) {
    if (startState_ == WindowState::Maximised &&
        (showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT || showCommand == SW_SHOW))
        showCommand = SW_SHOWMAXIMIZED;
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    FocusBox();
}

void MainWindow::LayoutMainWindow() {
    const HWND window = Handle();
    RECT client;
    GetClientRect(window, &client);
    SendMessageW(status_, WM_SIZE, 0, 0);
    std::array<int, 4> edges = StatusPartEdges(client.right);
    SendMessageW(status_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    RECT outer;
    GetWindowRect(window, &outer);
    const BarsShown bars{settings_.MenuBarVisible, settings_.StatusBarVisible, settings_.TitleBarVisible};
    BoxSize size = BoxSizeFor(outer.right - outer.left, outer.bottom - outer.top, bars);
    // Never under the status bar or past the client area, whatever frame
    // sizes the system draws.
    int statusHeight = 0;
    if (IsWindowVisible(status_)) {
        RECT bar;
        GetWindowRect(status_, &bar);
        statusHeight = bar.bottom - bar.top;
    }
    size.Width = std::min<int>(size.Width, client.right);
    size.Height = std::max<int>(0, std::min<int>(size.Height, client.bottom - statusHeight));
    MoveWindow(box_.Handle(), 0, 0, size.Width, size.Height, TRUE);
    RememberPlacement();
}

void MainWindow::RememberPlacement() {
    const HWND window = Handle();
    // Windows parks a minimised window far off the screen, so the tests
    // below keep nothing of it; Wine leaves it where it was, small.
    if (IsIconic(window)) return;
    RECT outer;
    GetWindowRect(window, &outer);
    const WindowRect rect{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
    if (!IsOnScreen(rect, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) return;
    const bool maximised = IsZoomed(window);
    if (!maximised) {
        settings_.WindowLeft = rect.Left;
        settings_.WindowWidth = rect.Width;
        settings_.WindowTop = rect.Top;
        settings_.WindowHeight = rect.Height;
    }
    settings_.WindowState = static_cast<int>(maximised ? WindowState::Maximised : WindowState::Normal);
}

void MainWindow::DragWindow(const BoxDrag& drag) {
    if (edge_.DraggedTo(drag.WindowTopLeft, drag.Cursor)) RememberPlacement();
}

void MainWindow::ApplyBars() {
    const HWND window = Handle();
    ShowWindow(status_, settings_.StatusBarVisible ? SW_SHOWNA : SW_HIDE);
    const HMENU wanted = settings_.MenuBarVisible ? mainMenu_ : nullptr;
    if (GetMenu(window) != wanted) SetMenu(window, wanted);

    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    // Without the title bar a narrow, empty tool-window caption stays, so
    // that the window can still be dragged; only the control box goes.
    constexpr LONG_PTR controlBox = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (settings_.TitleBarVisible) {
        style |= controlBox;
        exStyle &= ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW);
    } else {
        style &= ~controlBox;
        exStyle |= WS_EX_TOOLWINDOW;
    }
    style |= WS_CAPTION | WS_THICKFRAME;
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    SetWindowTextW(window, settings_.TitleBarVisible ? caption_.c_str() : L"");
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutMainWindow();
}

void MainWindow::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (settings_.TitleBarVisible) SetWindowTextW(Handle(), caption_.c_str());
}

void MainWindow::ShowAllBars() {
    if (IsZoomed(Handle())) ShowWindow(Handle(), SW_RESTORE);
    settings_.StatusBarVisible = settings_.MenuBarVisible = settings_.TitleBarVisible = true;
    ApplyBars();
}

void MainWindow::FullScreen() {
    settings_.StatusBarVisible = settings_.MenuBarVisible = settings_.TitleBarVisible = false;
    ApplyBars();
    ShowWindow(Handle(), SW_MAXIMIZE);
}

void MainWindow::BoxTextChanged() {
    if (!textChanged_) return;
    const HandlerScope handling(*this);
    EditBoxAdapter::TextReuseScope reuse(*boxText_);
    textChanged_->TextChangedHandler();
}

void MainWindow::ClockTick() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const ClockTime time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wDayOfWeek};
    statusText_->SetPartText(StatusPart::Clock, ClockText(time));
}

void MainWindow::RecordUndoSnapshot() {
    undo_.SetDepth(settings_.UndoDepth);
    undo_.Record(boxText_->Text(), boxText_->SelectionStart());
}

void MainWindow::Undo() {
    if (const UndoSnapshot* step = undo_.Undo()) textChanged_->RestoreSnapshot(step->Text, step->Caret);
    FocusBox();
}

void MainWindow::Redo() {
    if (const UndoSnapshot* step = undo_.Redo()) textChanged_->RestoreSnapshot(step->Text, step->Caret);
    FocusBox();
}

void MainWindow::ShowCaretPosition() {
    // One read of the text for both the text and the caret.
    const HandlerScope handling(*this);
    EditBoxAdapter::TextReuseScope reuse(*boxText_);
    if (const auto shown = CaretPositionText(boxText_->Text(), boxText_->SelectionStart()))
        statusText_->SetPartText(StatusPart::Caret, *shown);
}

void MainWindow::ShowBoxContextMenu() {
    // The menu's loop dispatches other messages meanwhile.
    const HandlerScope handling(*this);
    RefreshMenus();
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(contextMenu_, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    FocusBox();
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
    const HWND box = box_.Handle();
    const bool ours = message.hwnd == Handle() || message.hwnd == box || message.hwnd == status_;
    if (!ours) return false;
    if (escCloses_ && message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        return true;
    }
    const HACCEL accelerators = commands_.Accelerators();
    if (accelerators && TranslateAcceleratorW(Handle(), accelerators, const_cast<MSG*>(&message))) return true;
    if (message.hwnd == box && message.message == WM_KEYDOWN && keys_) {
        const HandlerScope handling(*this);
        EditBoxAdapter::TextReuseScope reuse(*boxText_);
        return keys_->KeyDownHandler(static_cast<unsigned>(message.wParam), CurrentShiftState());
    }
    return false;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    {
        const HandlerScope handling(*this);
        LRESULT result = 0;
        if (Dispatch(message, wParam, lParam, result)) return result;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool MainWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const HWND box = box_.Handle();
    switch (message) {
    case WM_SIZE:
        if (box && status_) LayoutMainWindow();
        return true;
    case WM_SETFOCUS:
        if (box) SetFocus(box);
        return true;
    case WM_ENTERSIZEMOVE:
        edge_.BeginDrag();
        break;
    case WM_EXITSIZEMOVE:
        edge_.EndDrag();
        break;
    case WM_MOVE:
        if (edge_.Moved()) RememberPlacement();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) edge_.BringBack();
        break;
    case WM_COMMAND:
        if (box && reinterpret_cast<HWND>(lParam) == box) {
            if (HIWORD(wParam) == EN_CHANGE && boxText_ && !boxText_->InWholeTextWrite()) {
                boxText_->ControlChanged();
                BoxTextChanged();
            }
        } else if (lParam == 0) {
            RunCommand(LOWORD(wParam));
        }
        return true;
    case WM_INITMENUPOPUP:
        commands_.UpdateMenu(reinterpret_cast<HMENU>(wParam));
        return true;
    case WM_CTLCOLOREDIT:
        if (box && reinterpret_cast<HWND>(lParam) == box && boxBrush_) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, MaskColour(settings_.FontColour));
            SetBkColor(dc, MaskColour(boxPaintColour_));
            result = reinterpret_cast<LRESULT>(boxBrush_);
            return true;
        }
        break;
    case WM_TIMER:
        if (wParam == kKeyDelayTimerId && keys_) {
            EditBoxAdapter::TextReuseScope reuse(*boxText_);
            keys_->DelayedNewline();
        }
        if (wParam == kEdgeHideTimerId) edge_.HideTick();
        if (wParam == kClockTimerId) ClockTick();
        return true;
    case WM_HOTKEY:
        if (static_cast<int>(wParam) == edge_.ShowHideHotKeyId()) edge_.ShowHide();
        return true;
    case kTrayMessage:
        OnTrayEvent(lParam);
        return true;
    case WM_CLOSE:
        if (CloseQuery()) EndWhenIdle();
        return true;
    case kEndMessage:
        EndWhenIdle();
        return true;
    case kWriteFailedMessage:
        ReportWriteFailure();
        return true;
    case WM_NOTIFY: {
        const auto* note = reinterpret_cast<const NMHDR*>(lParam);
        // A click refreshes the caret's line, a double click clears the box.
        if (note->hwndFrom == status_ && note->code == NM_DBLCLK) RunCommand(IDM_CLEAR_BOX);
        if (note->hwndFrom == status_ && note->code == NM_CLICK) RunCommand(IDM_REFRESH_LINE);
        // A right click opens or closes the virtual keyboard.
        if (note->hwndFrom == status_ && note->code == NM_RCLICK) keyboard_->ToggleVirtualKeyboard();
        return true;
    }
    case WM_ENDSESSION:
        // A log-off ends the process without destroying the window.
        if (wParam && running_) exitSave_.Run(*settingsFile_, *fileStore_, settings_, *boxText_);
        return true;
    case WM_DESTROY:
        // Saved on the way out already, unless destroyed some other way.
        if (running_) exitSave_.Run(*settingsFile_, *fileStore_, settings_, *boxText_);
        dropTarget_.Revoke();
        tray_.Remove();
        edge_.UnregisterShowHideHotKey();
        if (endsProgram_) PostQuitMessage(0);
        return true;
    case WM_NCDESTROY:
        // The menu bar goes with the window.
        if (GetMenu(Handle()) == mainMenu_) mainMenu_ = nullptr;
        releasePending_ = true;
        status_ = nullptr;
        break;
    default:
        break;
    }
    return false;
}

void MainWindow::Release() {
    // The windows first: they store their fields and places as they close.
    keyboard_.reset();
    keyboardHost_.reset();
    findWindow_.reset();
    accumulator_.reset();
    accumulatorHost_.reset();
    find_.reset();
    findHost_.reset();
    files_.reset();
    fileHost_.reset();
    keys_.reset();
    lineCommands_.reset();
    charInput_.reset();
    textChanged_.reset();
    engine_.reset();
    boxDrop_.reset();
    clipboard_.reset();
    statusText_.reset();
    boxText_.reset();
    settingsFile_.reset();
    fileStore_.reset();
    tray_.Remove();
    if (font_) DeleteObject(font_);
    if (boxBrush_) DeleteObject(boxBrush_);
    // A menu bar hidden at the end is no longer owned by the window.
    if (mainMenu_ && (!Handle() || GetMenu(Handle()) != mainMenu_)) DestroyMenu(mainMenu_);
    if (contextMenuRoot_) DestroyMenu(contextMenuRoot_);
    if (trayMenuRoot_) DestroyMenu(trayMenuRoot_);
    font_ = nullptr;
    boxBrush_ = nullptr;
    mainMenu_ = contextMenuRoot_ = contextMenu_ = trayMenuRoot_ = trayMenu_ = nullptr;
    icon_ = smallIcon_ = nullptr;
}
