#include "main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "clipboard_adapter.h"
#include "edit_box_adapter.h"
#include "engine.h"
#include "gbk_codec.h"
#include "key_handlers.h"
#include "keyboard_state.h"
#include "layout.h"
#include "messages.h"
#include "status_bar_adapter.h"

namespace {

constexpr wchar_t kClassName[] = L"NumerelMainWindow";
constexpr int kBoxId = 1001;
constexpr int kStatusId = 1002;

bool RegisterMainClass(HINSTANCE instance, WNDPROC wndProc) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = wndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (RegisterClassExW(&wc)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    Release();
}

bool MainWindow::Create(HINSTANCE instance, bool endsProgram) {
    endsProgram_ = endsProgram;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterMainClass(instance, &MainWindow::WindowProc)) return false;

    // Created hidden: the start-up below runs before the window is shown.
    const WindowRect place = DefaultPlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (!CreateWindowExW(0, kClassName, L"Numerel", WS_OVERLAPPEDWINDOW, place.Left, place.Top, place.Width,
                         place.Height, nullptr, nullptr, instance, this))
        return false;

    if (!CreateControls()) {
        DestroyWindow(window_);
        return false;
    }
    ApplyFont();
    Layout();
    statusText_->SetPartText(0, msg::kStartupReady);
    return true;
}

bool MainWindow::CreateControls() {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    box_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                               ES_AUTOHSCROLL | ES_WANTRETURN,
                           0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBoxId)), instance,
                           nullptr);
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), instance, nullptr);
    if (!box_ || !status_) return false;

    // The default limit of 30,000 characters would silently refuse every
    // edit of a longer text.
    SendMessageW(box_, EM_SETLIMITTEXT, 0, 0);

    boxText_ = std::make_unique<EditBoxAdapter>(box_);
    boxText_->SetTextChangedHandler([this] { BoxTextChanged(); });
    statusText_ = std::make_unique<StatusBarAdapter>(status_);
    clipboard_ = std::make_unique<ClipboardAdapter>(window_);
    engine_ = std::make_unique<Engine>(*boxText_, *statusText_, *clipboard_, settings_, state_);
    keys_ = std::make_unique<KeyHandlers>(*boxText_, *statusText_, *engine_, settings_,
                                          [] { return static_cast<std::uint32_t>(GetTickCount()); });

    SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    oldBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::BoxProc)));
    return true;
}

void MainWindow::ApplyFont() {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(settings_.FontSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontW(height, 0, 0, 0, settings_.FontBold ? FW_BOLD : FW_NORMAL, settings_.FontItalic,
                             settings_.FontUnderline, settings_.FontStrikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             GbkToWide(settings_.FontName).c_str());
    if (!font) return;
    SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) DeleteObject(font_);
    font_ = font;
}

void MainWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(box_);
}

void MainWindow::Layout() {
    RECT client;
    GetClientRect(window_, &client);
    SendMessageW(status_, WM_SIZE, 0, 0);
    std::array<int, 4> edges = StatusPartEdges(client.right);
    SendMessageW(status_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    int statusHeight = 0;
    if (IsWindowVisible(status_)) {
        RECT bar;
        GetWindowRect(status_, &bar);
        statusHeight = bar.bottom - bar.top;
    }
    MoveWindow(box_, 0, 0, client.right, std::max(0L, client.bottom - statusHeight), TRUE);
}

void MainWindow::BoxTextChanged() {
    // Text-changed handling (hints, auto-replacement, undo) plugs in here.
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
    if (message.hwnd == box_ && message.message == WM_KEYDOWN && keys_)
        return keys_->KeyDownHandler(static_cast<unsigned>(message.wParam), CurrentShiftState());
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

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (box_ && status_) Layout();
        return 0;
    case WM_SETFOCUS:
        if (box_) SetFocus(box_);
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == box_ && HIWORD(wParam) == EN_CHANGE) BoxTextChanged();
        return 0;
    case WM_DESTROY:
        if (endsProgram_) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        Release();
        window_ = box_ = status_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    return self->HandleBoxMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleBoxMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP && keys_ &&
        keys_->KeyUpHandler(static_cast<unsigned>(wParam), CurrentShiftState()))
        return 0;
    return CallWindowProcW(oldBoxProc_, box_, message, wParam, lParam);
}

void MainWindow::Release() {
    keys_.reset();
    engine_.reset();
    clipboard_.reset();
    statusText_.reset();
    boxText_.reset();
    if (font_) {
        DeleteObject(font_);
        font_ = nullptr;
    }
}
