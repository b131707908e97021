#include "main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "caret_position.h"
#include "char_input.h"
#include "effective_values.h"
#include "program_files.h"
#include "clipboard_adapter.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "engine.h"
#include "gbk_codec.h"
#include "key_handlers.h"
#include "keyboard_state.h"
#include "layout.h"
#include "line_commands.h"
#include "mode_line.h"
#include "resource_ids.h"
#include "settings_file.h"
#include "status_bar_adapter.h"
#include "win32_file_store.h"
#include "window_ids.h"

const wchar_t kMainWindowClass[] = L"NumerelMainWindow";

namespace {

bool RegisterMainClass(HINSTANCE instance, WNDPROC wndProc, HICON icon, HICON smallIcon) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = wndProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&wc)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
    MessageLoop::ForThisThread().RemoveFilter(*this);
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    Release();
}

StartResult MainWindow::Create(HINSTANCE instance, const std::wstring& programFolder, bool endsProgram) {
    programFolder_ = programFolder;
    endsProgram_ = endsProgram;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // Shared icons: the window class keeps using them after a window ends.
    icon_ = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    if (!RegisterMainClass(instance, &MainWindow::WindowProc, icon_, smallIcon_)) return StartResult::Failed;

    mainMenu_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    contextMenuRoot_ = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_CONTEXT_MENU));
    contextMenu_ = contextMenuRoot_ ? GetSubMenu(contextMenuRoot_, 0) : nullptr;
    BuildCommands();

    // Created hidden: the creation handler runs before the window is shown.
    if (!CreateWindowExW(0, kMainWindowClass, L"Numerel", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, mainMenu_, instance, this))
        return StartResult::Failed;
    if (!CreateControls()) {
        DestroyWindow(window_);
        return StartResult::Failed;
    }
    MessageLoop::ForThisThread().AddFilter(*this);
    const StartResult result = MainWindowCreated();
    if (result != StartResult::Running) {
        // A second instance ends here, never shown and without a trace.
        endsProgram_ = false;
        DestroyWindow(window_);
    }
    return result;
}

bool MainWindow::CreateControls() {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance, nullptr);
    if (!status_ || !CreateBox(false)) return false;

    fileStore_ = std::make_unique<Win32FileStore>(programFolder_);
    settingsFile_ = std::make_unique<SettingsFile>(*fileStore_, programfiles::kSettingsFile);
    boxText_ = std::make_unique<EditBoxAdapter>(box_);
    boxText_->SetTextChangedHandler([this] { BoxTextChanged(); });
    statusText_ = std::make_unique<StatusBarAdapter>(status_);
    clipboard_ = std::make_unique<ClipboardAdapter>(window_);
    engine_ = std::make_unique<Engine>(*boxText_, *statusText_, *clipboard_, settings_, state_);
    keys_ = std::make_unique<KeyHandlers>(*boxText_, *statusText_, *engine_, settings_,
                                          static_cast<KeyHandlerHost&>(*this));
    charInput_ = std::make_unique<CharInput>(*boxText_, settings_, state_);
    lineCommands_ = std::make_unique<LineCommands>(*boxText_, *statusText_, *clipboard_, settings_, *engine_);
    textChanged_ = std::make_unique<TextChangedHandling>(*boxText_, *statusText_, settings_,
                                                         static_cast<TextChangedHost&>(*this));
    return true;
}

// The box is made again when word wrap changes: an edit control cannot
// switch its horizontal scrolling after creation.
bool MainWindow::CreateBox(bool wordWrap) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
    if (!wordWrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    const HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 0, 0, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBoxId)), instance, nullptr);
    if (!box) return false;
    // The default limit of 30,000 characters would silently refuse every
    // edit of a longer text.
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    if (font_) SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (box_) {
        const int length = GetWindowTextLengthW(box_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(box_, text.data(), length + 1);
        SetWindowTextW(box, text.c_str());
        DestroyWindow(box_);
    }
    box_ = box;
    if (boxText_) boxText_->SetControl(box_);
    return true;
}

void MainWindow::Show(int showCommand) {
    if (startState_ == WindowState::Maximised && (showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT || showCommand == SW_SHOW))
        showCommand = SW_SHOWMAXIMIZED;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    FocusBox();
}

void MainWindow::LayoutMainWindow() {
    RECT client;
    GetClientRect(window_, &client);
    SendMessageW(status_, WM_SIZE, 0, 0);
    std::array<int, 4> edges = StatusPartEdges(client.right);
    SendMessageW(status_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    RECT outer;
    GetWindowRect(window_, &outer);
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
    MoveWindow(box_, 0, 0, size.Width, size.Height, TRUE);
    RememberPlacement();
}

void MainWindow::RememberPlacement() {
    RECT outer;
    GetWindowRect(window_, &outer);
    const WindowRect rect{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
    if (!IsOnScreen(rect, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) return;
    const bool maximised = IsZoomed(window_);
    if (!maximised) {
        settings_.WindowLeft = rect.Left;
        settings_.WindowWidth = rect.Width;
        settings_.WindowTop = rect.Top;
        settings_.WindowHeight = rect.Height;
    }
    const WindowState state = maximised           ? WindowState::Maximised
                              : IsIconic(window_) ? WindowState::Minimised
                                                  : WindowState::Normal;
    settings_.WindowState = static_cast<int>(state);
}

void MainWindow::ApplyBars() {
    ShowWindow(status_, settings_.StatusBarVisible ? SW_SHOWNA : SW_HIDE);
    const HMENU wanted = settings_.MenuBarVisible ? mainMenu_ : nullptr;
    if (GetMenu(window_) != wanted) SetMenu(window_, wanted);

    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    constexpr LONG_PTR titleParts = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (settings_.TitleBarVisible) {
        style |= titleParts;
        exStyle &= ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW);
    } else {
        style &= ~titleParts;
        exStyle |= WS_EX_TOOLWINDOW;
    }
    style |= WS_THICKFRAME;
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle);
    SetWindowTextW(window_, settings_.TitleBarVisible ? L"Numerel" : L"");
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutMainWindow();
}

void MainWindow::ShowAllBars() {
    if (IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
    settings_.StatusBarVisible = settings_.MenuBarVisible = settings_.TitleBarVisible = true;
    ApplyBars();
}

void MainWindow::FullScreen() {
    settings_.StatusBarVisible = settings_.MenuBarVisible = settings_.TitleBarVisible = false;
    ApplyBars();
    ShowWindow(window_, SW_MAXIMIZE);
}

void MainWindow::BoxTextChanged() {
    if (!textChanged_) return;
    EditBoxAdapter::TextReuseScope reuse(*boxText_);
    textChanged_->TextChangedHandler();
}

void MainWindow::RecordUndoSnapshot() {
    undo_.SetDepth(settings_.UndoDepth);
    undo_.Record(boxText_->Text(), boxText_->SelectionStart());
}

// The replay flag is set only around a restore that happens, so no later
// edit is ever left out of the history.
void MainWindow::RegisterDropTarget() { dropTarget_.Register(window_, static_cast<DropSink&>(*this)); }

void MainWindow::OnTextDropped(const std::string& gbk) { boxText_->SetText(gbk); }

void MainWindow::OnFileDropped(const std::wstring&, const std::string& gbk) { boxText_->SetText(gbk); }

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
    EditBoxAdapter::TextReuseScope reuse(*boxText_);
    if (const auto shown = CaretPositionText(boxText_->Text(), boxText_->SelectionStart()))
        statusText_->SetPartText(1, *shown);
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
    const bool ours = message.hwnd == window_ || message.hwnd == box_ || message.hwnd == status_;
    if (!ours) return false;
    const HACCEL accelerators = commands_.Accelerators();
    if (accelerators && TranslateAcceleratorW(window_, accelerators, const_cast<MSG*>(&message))) return true;
    if (message.hwnd == box_ && message.message == WM_KEYDOWN && keys_) {
        EditBoxAdapter::TextReuseScope reuse(*boxText_);
        return keys_->KeyDownHandler(static_cast<unsigned>(message.wParam), CurrentShiftState());
    }
    return false;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::MainWindowSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    // Windows asks before a log-off or shut-down; a cancelled one clears it.
    if (message == WM_QUERYENDSESSION) self->sessionEnding_ = true;
    if (message == WM_ENDSESSION && !wParam) self->sessionEnding_ = false;
    return CallWindowProcW(self->oldMainWindowProc_, window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (box_ && status_) LayoutMainWindow();
        return 0;
    case WM_SETFOCUS:
        if (box_) SetFocus(box_);
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == box_ && box_) {
            if (HIWORD(wParam) == EN_CHANGE && boxText_ && !boxText_->InWholeTextWrite()) {
                boxText_->ControlChanged();
                BoxTextChanged();
            }
        } else if (lParam == 0) {
            RunCommand(LOWORD(wParam));
        }
        return 0;
    case WM_INITMENUPOPUP:
        commands_.UpdateMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == box_ && boxBrush_) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, MaskColour(settings_.FontColour));
            SetBkColor(dc, MaskColour(settings_.BoxBackColour));
            return reinterpret_cast<LRESULT>(boxBrush_);
        }
        break;
    case WM_TIMER:
        if (wParam == kKeyDelayTimerId && keys_) {
            EditBoxAdapter::TextReuseScope reuse(*boxText_);
            keys_->DelayedNewline();
        }
        if (wParam == kEdgeHideTimerId) EdgeHideTick();
        return 0;
    case WM_HOTKEY:
        if (static_cast<int>(wParam) == showHideHotKeyId_) ShowHideHotKey();
        return 0;
    case kTrayMessage:
        TrayIconEvent(lParam);
        return 0;
    case WM_NOTIFY: {
        const auto* note = reinterpret_cast<const NMHDR*>(lParam);
        // A click refreshes the caret's line, a double click clears the box.
        if (note->hwndFrom == status_ && note->code == NM_DBLCLK) RunCommand(IDM_CLEAR_BOX);
        if (note->hwndFrom == status_ && note->code == NM_CLICK) RunCommand(IDM_REFRESH_LINE);
        return 0;
    }
    case WM_DESTROY:
        dropTarget_.Revoke();
        tray_.Remove();
        if (showHideHotKeyId_) UnregisterHotKey(window_, showHideHotKeyId_);
        showHideHotKeyId_ = 0;
        if (endsProgram_) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        const WNDPROC old = oldMainWindowProc_;
        Release();
        window_ = box_ = status_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (old) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::EditBoxSubclassProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    return self->HandleBoxMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleBoxMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND box = box_;
    const WNDPROC old = oldEditBoxProc_;
    switch (message) {
    case WM_KEYUP:
        if (keys_) {
            EditBoxAdapter::TextReuseScope reuse(*boxText_);
            if (keys_->KeyUpHandler(static_cast<unsigned>(wParam), CurrentShiftState())) return 0;
        }
        break;
    case WM_CHAR:
        // Tab is the fraction conversion key; it never types a tab.
        if (wParam == '\t') return 0;
        if (wParam < 0x80 && charInput_) {
            EditBoxAdapter::TextReuseScope reuse(*boxText_);
            if (charInput_->CharInputHandler(static_cast<unsigned char>(wParam))) return 0;
        }
        break;
    case WM_CONTEXTMENU:
        EditBoxContextMenu();
        return 0;
    case WM_LBUTTONDBLCLK: {
        // The box's own word selection never happens.
        EditBoxAdapter::TextReuseScope reuse(*boxText_);
        SelectNumberAtCaret(*boxText_, *clipboard_, settings_.DoubleClickCopy);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        BoxMouseDown(mouse_, box, window_, lParam);
        const LRESULT result = CallWindowProcW(old, box, message, wParam, lParam);
        ShowCaretPosition();
        return result;
    }
    case WM_MOUSEMOVE: {
        BoxMouseMove(mouse_, box, window_, lParam, CurrentShiftState());
        const LRESULT result = CallWindowProcW(old, box, message, wParam, lParam);
        // Only a held button moves the caret.
        if (wParam & MK_LBUTTON) ShowCaretPosition();
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = CallWindowProcW(old, box, message, wParam, lParam);
        EditBoxAdapter::TextReuseScope reuse(*boxText_);
        BoxMouseUp(mouse_, *boxText_, CurrentShiftState());
        return result;
    }
    case WM_MOUSEWHEEL:
        if (ZoomFontSize(mouse_, settings_.FontSize, wParam, CurrentShiftState())) ApplyFont();
        break;
    case WM_SETFOCUS: {
        const LRESULT result = CallWindowProcW(old, box, message, wParam, lParam);
        ShowCaretPosition();
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(old, box, message, wParam, lParam);
}

void MainWindow::EditBoxContextMenu() {
    RefreshMenus();
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(contextMenu_, TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    FocusBox();
}

void MainWindow::Release() {
    keys_.reset();
    lineCommands_.reset();
    charInput_.reset();
    textChanged_.reset();
    engine_.reset();
    clipboard_.reset();
    statusText_.reset();
    boxText_.reset();
    settingsFile_.reset();
    fileStore_.reset();
    tray_.Remove();
    if (font_) DeleteObject(font_);
    if (boxBrush_) DeleteObject(boxBrush_);
    // A menu bar hidden at the end is no longer owned by the window.
    if (mainMenu_ && (!window_ || GetMenu(window_) != mainMenu_)) DestroyMenu(mainMenu_);
    if (contextMenuRoot_) DestroyMenu(contextMenuRoot_);
    font_ = nullptr;
    boxBrush_ = nullptr;
    mainMenu_ = contextMenuRoot_ = contextMenu_ = nullptr;
    icon_ = smallIcon_ = nullptr;
}
