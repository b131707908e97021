#include "main_window.h"

#include <commctrl.h>

#include "accumulator_effects.h"
#include "calculator_core.h"
#include "caret_position.h"
#include "clock_text.h"
#include "dialog.h"
#include "effective_values.h"
#include "file_effects.h"
#include "find_effects.h"
#include "keyboard_effects.h"
#include "keyboard_state.h"
#include "resource_ids.h"
#include "tooltips.h"
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
    const HICON icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    const HICON smallIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                          GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    trayIcon_ = smallIcon ? smallIcon : icon;
    Dialog::SetWindowIcons(icon, smallIcon);
    WindowClass windowClass;
    windowClass.Name = kMainWindowClass;
    windowClass.Icon = icon;
    windowClass.SmallIcon = smallIcon;
    windowClass.Cursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!Window::Register(instance, windowClass)) return StartResult::Failed;

    menus_.Load(instance);
    BuildCommands();

    // Created hidden: the creation handler runs before the window is shown.
    if (!Window::Create(instance, kMainWindowClass, "Numerel", WS_OVERLAPPEDWINDOW, 0, nullptr, menus_.Bar()))
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
    if (running_) core_->SettingsStore.SetFailureHandler([this] { SettingsWriteFailed(); });
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
    const HWND status =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance, nullptr);
    if (!status || !box_.Create(window, kBoxId, false)) return false;
    frame_.Attach(window, status);

    core_ = std::make_unique<CalculatorCore>(window, box_.Handle(), status, programFolder_, settings_, state_,
                                             static_cast<KeyHandlerHost&>(*this),
                                             static_cast<TextChangedHost&>(*this));
    core_->Text.SetTextChangedHandler([this] { BoxTextChanged(); });
    modes_.Attach(core_->Status);
    // The clock runs from the window's creation on.
    SetTimer(window, kClockTimerId, 1000, nullptr);
    if (statusTip_.Create(window)) statusTip_.Attach(status, kStatusBarTip);
    find_ = std::make_unique<FindEffects>(instance, window, core_->Text, box_, settings_);
    keyboard_ = std::make_unique<KeyboardEffects>(instance, window, *core_, box_);
    closing_.Attach(window, core_->SettingsStore, keyboard_->Window());
    edge_.Attach(
        window, settings_,
        [this] { return keyboard_ && keyboard_->Window().IsOpen() ? keyboard_->Window().Handle() : nullptr; },
        [this] { FocusBox(); });
    accumulator_ = std::make_unique<AccumulatorEffects>(instance, window, *core_, box_, state_);
    files_ = std::make_unique<FileEffects>(window, core_->Text, box_, frame_);
    return true;
}

void MainWindow::Show(int showCommand) {
    frame_.Show(showCommand);
    FocusBox();
}

void MainWindow::DragWindow(const BoxDrag& drag) {
    if (edge_.DraggedTo(drag.WindowTopLeft, drag.Cursor)) frame_.RememberPlacement();
}

void MainWindow::ApplyFont() { look_.ApplyFont(box_.Handle(), settings_); }

void MainWindow::BoxTextChanged() {
    if (!core_) return;
    const HandlerScope handling(*this);
    EditBoxAdapter::TextReuseScope reuse(core_->Text);
    core_->TextChanged.TextChangedHandler();
}

void MainWindow::ClockTick() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const ClockTime time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wDayOfWeek};
    core_->Status.SetPartText(StatusPart::Clock, ClockText(time));
}

void MainWindow::RecordUndoSnapshot() { core_->RecordUndoSnapshot(); }

void MainWindow::ShowCaretPosition() {
    // One read of the text for both the text and the caret.
    const HandlerScope handling(*this);
    EditBoxAdapter::TextReuseScope reuse(core_->Text);
    if (const auto shown = CaretPositionText(core_->Text.Text(), core_->Text.SelectionStart()))
        core_->Status.SetPartText(StatusPart::Caret, *shown);
}

void MainWindow::ShowBoxContextMenu() {
    // The menu's loop dispatches other messages meanwhile.
    const HandlerScope handling(*this);
    modes_.RefreshMenus();
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(menus_.Context(), TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    FocusBox();
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
    const HWND box = box_.Handle();
    const bool ours = message.hwnd == Handle() || message.hwnd == box || message.hwnd == frame_.Status();
    if (!ours) return false;
    if (escCloses_ && message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        return true;
    }
    const HACCEL accelerators = commands_.Accelerators();
    if (accelerators && TranslateAcceleratorW(Handle(), accelerators, const_cast<MSG*>(&message))) return true;
    if (message.hwnd == box && message.message == WM_KEYDOWN && core_) {
        const HandlerScope handling(*this);
        EditBoxAdapter::TextReuseScope reuse(core_->Text);
        return core_->Keys.KeyDownHandler(static_cast<unsigned>(message.wParam), CurrentShiftState());
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
        if (box && frame_.Status()) frame_.Layout();
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
        if (edge_.Moved()) frame_.RememberPlacement();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) edge_.BringBack();
        break;
    case WM_COMMAND:
        if (box && reinterpret_cast<HWND>(lParam) == box) {
            if (HIWORD(wParam) == EN_CHANGE && core_ && !core_->Text.InWholeTextWrite()) {
                core_->Text.ControlChanged();
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
        if (box && reinterpret_cast<HWND>(lParam) == box) {
            if (const HBRUSH brush = look_.ColourBox(reinterpret_cast<HDC>(wParam), settings_.FontColour)) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        break;
    case WM_TIMER:
        if (wParam == kKeyDelayTimerId && core_) {
            EditBoxAdapter::TextReuseScope reuse(core_->Text);
            core_->Keys.DelayedNewline();
        }
        if (wParam == kEdgeHideTimerId) edge_.HideTick();
        if (wParam == kClockTimerId) ClockTick();
        return true;
    case WM_HOTKEY:
        if (static_cast<int>(wParam) == edge_.ShowHideHotKeyId()) edge_.ShowHide();
        return true;
    case kTrayMessage:
        closing_.OnTrayEvent(lParam);
        return true;
    case WM_CLOSE:
        if (closing_.CloseQuery()) EndWhenIdle();
        return true;
    case kEndMessage:
        EndWhenIdle();
        return true;
    case kWriteFailedMessage:
        ReportWriteFailure();
        return true;
    case WM_NOTIFY: {
        const auto* note = reinterpret_cast<const NMHDR*>(lParam);
        if (note->hwndFrom == frame_.Status()) StatusBarClicked(note->code);
        return true;
    }
    case WM_ENDSESSION:
        // A log-off ends the process without destroying the window.
        if (wParam && running_) exitSave_.Run(core_->SettingsStore, core_->Files, settings_, core_->Text);
        return true;
    case WM_DESTROY:
        // Saved on the way out already, unless destroyed some other way.
        if (running_) exitSave_.Run(core_->SettingsStore, core_->Files, settings_, core_->Text);
        dropTarget_.Revoke();
        closing_.RemoveTrayIcon();
        edge_.UnregisterShowHideHotKey();
        if (endsProgram_) PostQuitMessage(0);
        return true;
    case WM_NCDESTROY:
        menus_.WindowDestroyed(Handle());
        handlers_.ReleasePending = true;
        frame_.StatusDestroyed();
        break;
    default:
        break;
    }
    return false;
}

void MainWindow::Release() {
    // The windows first: they store their fields and places as they close.
    keyboard_.reset();
    find_.reset();
    accumulator_.reset();
    files_.reset();
    core_.reset();
    closing_.RemoveTrayIcon();
}

EditBoxAdapter& MainWindow::BoxText() { return core_->Text; }
StatusBarAdapter& MainWindow::StatusText() { return core_->Status; }
const UndoHistory& MainWindow::History() const { return core_->History; }
