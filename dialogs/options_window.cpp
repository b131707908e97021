#include "options_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "balloon_tip.h"
#include "controls.h"
#include "dialog.h"
#include "options.h"
#include "options_ids.h"
#include "settings.h"
#include "settings_file.h"
#include "subclass.h"
#include "tooltips.h"
#include "window_position_window.h"

namespace {

// The panel's height in the layout the scroll positions are measured in.
constexpr double kPanelLayoutHeight = 1344;

constexpr struct {
    bool OptionsControls::*control;
    int id;
} kCheckBoxes[] = {
    {&OptionsControls::NewLineAfterResult, IDC_OPT_NEWLINE_AFTER},
    {&OptionsControls::NewLinePasteResult, IDC_OPT_NEWLINE_PASTE},
    {&OptionsControls::LaptopKeys, IDC_OPT_LAPTOP},
    {&OptionsControls::IgnoreChinese, IDC_OPT_IGNORE_CHINESE},
    {&OptionsControls::ResultToClipboard, IDC_OPT_RESULT_CLIPBOARD},
    {&OptionsControls::SpaceSplitsExpressions, IDC_OPT_SPACE_SPLITS},
    {&OptionsControls::RememberContent, IDC_OPT_REMEMBER_CONTENT},
    {&OptionsControls::MulDivSymbols, IDC_OPT_MULDIV},
    {&OptionsControls::KeepOnTop, IDC_OPT_KEEP_ON_TOP},
    {&OptionsControls::AllowMultipleInstances, IDC_OPT_MULTI_INSTANCE},
    {&OptionsControls::RememberPlacement, IDC_OPT_REMEMBER_PLACEMENT},
    {&OptionsControls::EdgeHide, IDC_OPT_EDGE_HIDE},
    {&OptionsControls::DoubleClickCopy, IDC_OPT_DOUBLE_CLICK_COPY},
    {&OptionsControls::ShowHideHotKeyOn, IDC_OPT_SHOWHIDE_ON},
    {&OptionsControls::FullScreenKeyOn, IDC_OPT_FULLSCREEN_ON},
    {&OptionsControls::PrefixLastResult, IDC_OPT_PREFIX_LAST},
    {&OptionsControls::WordWrap, IDC_OPT_WORD_WRAP},
    {&OptionsControls::QuickSymbolKeys, IDC_OPT_QUICK_SYMBOLS},
    {&OptionsControls::AutoReplace, IDC_OPT_AUTO_REPLACE},
    {&OptionsControls::RealTimeMode, IDC_OPT_REALTIME},
    {&OptionsControls::SkinEnabled, IDC_OPT_SKIN},
};

constexpr int kExitRadios[] = {IDC_OPT_EXIT_ASK, IDC_OPT_EXIT_QUIT, IDC_OPT_EXIT_TRAY};
constexpr int kAngleRadios[] = {IDC_OPT_ANGLE_DEGREES, IDC_OPT_ANGLE_RADIANS, IDC_OPT_ANGLE_GRADS};
constexpr int kFractionRadios[] = {IDC_OPT_FRACTION_DECIMAL, IDC_OPT_FRACTION_IMPROPER, IDC_OPT_FRACTION_MIXED};
constexpr int kDecimalRadios[] = {IDC_OPT_DECIMAL_PAD, IDC_OPT_DECIMAL_ROUND, IDC_OPT_DECIMAL_CUT};

constexpr const char* kFunctionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6",
                                         "F7", "F8", "F9", "F10", "F11", "F12"};

// The scrolled panel: a child dialog whose controls' events go to the window.
class OptionsPanel : public Dialog {
public:
    std::function<void(int id, int notifyCode)> OnControl;

protected:
    bool OnInit() override { return false; }
    void OnCommand(int id, int notifyCode, HWND) override {
        if (OnControl) OnControl(id, notifyCode);
    }
    // Esc and the close box belong to the window, not to the panel.
    void OnClose() override {}
};

class OptionsWindow : public Dialog {
public:
    OptionsWindow(HINSTANCE instance, Settings& settings, SettingsFile& file, OptionsHost& host,
                  OptionsSession& session)
        : instance_(instance), settings_(settings), file_(file), host_(host), session_(session) {}

    bool Applied() const { return applied_; }

protected:
    bool OnInit() override {
        if (!panel_.Create(instance_, IDD_OPTIONS_PANEL, Item(IDC_OPT_VIEW))) return true;
        SetWindowLongPtrW(panel_.Handle(), GWLP_ID, IDC_OPT_PANEL);
        panel_.OnControl = [this](int id, int notifyCode) { OnPanelControl(id, notifyCode); };

        tips_.Create(Handle());
        for (const ControlTip& tip : kOptionsTips) tips_.Attach(panel_.Item(tip.id), tip.text);

        SCROLLINFO range{sizeof range, SIF_RANGE | SIF_POS, 0, kOptionsScrollMax, 0, 0, 0};
        SetScrollInfo(Item(IDC_OPT_SCROLL), SB_CTL, &range, FALSE);
        AddTabs(Item(IDC_OPT_TABS), {"常规", "结果", "按键", "特殊"});
        Scroll(0);

        undoFilter_.Install(panel_.Item(IDC_OPT_UNDO_DEPTH),
                            [](UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
                                handled = message == WM_CHAR && !UndoFieldAcceptsChar(static_cast<unsigned>(wParam));
                                return 0;
                            });
        FillCombos();
        OptionsControls controls = FillOptions(settings_);
        controls.WordWrap = ReadWordWrapKey(file_);
        Show(controls);
        SetFocus(Handle());
        return false;
    }

    void OnCommand(int id, int notifyCode, HWND control) override {
        if (id == IDOK && notifyCode == BN_CLICKED) {
            Apply();
            applied_ = true;
            EndModal(IDOK);
            return;
        }
        Dialog::OnCommand(id, notifyCode, control);
    }

    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_VSCROLL && reinterpret_cast<HWND>(lParam) == Item(IDC_OPT_SCROLL)) {
            OnScrollBar(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        // The panel's controls pass on a wheel they do not use themselves.
        if (message == WM_MOUSEWHEEL) {
            OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
            return TRUE;
        }
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_OPT_TABS && header->code == TCN_SELCHANGE) {
                Scroll(OptionsScrollOfPage(TabSelection(Item(IDC_OPT_TABS))));
            }
        }
        return FALSE;
    }

private:
    HWND Control(int id) const { return panel_.Item(id); }

    void FillCombos() {
        AddComboItems(Control(IDC_OPT_THOUSANDS), {"无千分符号", "“；”代表千分符", "“，”代表千分符"});
        AddComboItems(Control(IDC_OPT_ENTER_MODE), {"回车键计算,ctrl加回车键换行", "ctrl加回车键计算，回车键换行"});
        AddComboItems(Control(IDC_OPT_SHOWHIDE_MODS), {"空", "Ctrl", "Shift"});
        AddComboItems(Control(IDC_OPT_FULLSCREEN_MODS), {"空", "Ctrl", "Shift", "Alt"});
        for (const char* key : kFunctionKeys) {
            AddComboItem(Control(IDC_OPT_SHOWHIDE_KEY), key);
            AddComboItem(Control(IDC_OPT_FULLSCREEN_KEY), key);
        }
        LimitText(Control(IDC_OPT_PRECISION), 2);
        SetSpinRange(Control(IDC_OPT_PRECISION_SPIN), kPrecisionMin, kPrecisionMax);
        LimitText(Control(IDC_OPT_UNDO_DEPTH), 3);
        SetSpinRange(Control(IDC_OPT_UNDO_SPIN), kUndoDepthMin, kUndoDepthMax);
    }

    int Selection(int id) const { return ComboSelection(Control(id)); }
    void Select(int id, int index) { SelectComboItem(Control(id), index); }

    template <size_t N>
    int Choice(const int (&ids)[N]) const {
        for (size_t i = 0; i < N; ++i)
            if (panel_.IsChecked(ids[i])) return static_cast<int>(i);
        return -1;
    }
    template <size_t N>
    void SetChoice(const int (&ids)[N], int choice) {
        for (size_t i = 0; i < N; ++i) panel_.SetChecked(ids[i], static_cast<int>(i) == choice);
    }

    // A number field and its spin: the spin first, so a stored value outside
    // the spin's range is still shown as it is.
    void SetNumberField(int field, int spin, const std::string& text) {
        SetSpinPosition(Control(spin), std::atoi(text.c_str()));
        panel_.SetItemText(field, text);
    }

    void Show(const OptionsControls& c) {
        for (const auto& box : kCheckBoxes) panel_.SetChecked(box.id, c.*box.control);
        panel_.SetChecked(IDC_OPT_SMART_PASTE, session_.SmartPaste);
        Select(IDC_OPT_THOUSANDS, c.ThousandsIndex);
        Select(IDC_OPT_ENTER_MODE, c.EnterModeIndex);
        Select(IDC_OPT_SHOWHIDE_MODS, c.ShowHideModsIndex);
        Select(IDC_OPT_SHOWHIDE_KEY, c.ShowHideKeyIndex);
        Select(IDC_OPT_FULLSCREEN_MODS, c.FullScreenModsIndex);
        Select(IDC_OPT_FULLSCREEN_KEY, c.FullScreenKeyIndex);
        SetChoice(kExitRadios, c.ExitChoice);
        SetChoice(kAngleRadios, c.AngleChoice);
        SetChoice(kFractionRadios, c.FractionChoice);
        SetChoice(kDecimalRadios, c.DecimalChoice);
        SetNumberField(IDC_OPT_PRECISION, IDC_OPT_PRECISION_SPIN, c.PrecisionText);
        SetNumberField(IDC_OPT_UNDO_DEPTH, IDC_OPT_UNDO_SPIN, c.UndoDepthText);
        // The caret behind the depth, for typing on.
        SelectText(Control(IDC_OPT_UNDO_DEPTH), 0x7FFF, 0x7FFF);
        EnableHotKeyChoices();
    }

    OptionsControls Read() const {
        OptionsControls c;
        for (const auto& box : kCheckBoxes) c.*box.control = panel_.IsChecked(box.id);
        c.ThousandsIndex = Selection(IDC_OPT_THOUSANDS);
        c.EnterModeIndex = Selection(IDC_OPT_ENTER_MODE);
        c.ShowHideModsIndex = Selection(IDC_OPT_SHOWHIDE_MODS);
        c.ShowHideKeyIndex = Selection(IDC_OPT_SHOWHIDE_KEY);
        c.FullScreenModsIndex = Selection(IDC_OPT_FULLSCREEN_MODS);
        c.FullScreenKeyIndex = Selection(IDC_OPT_FULLSCREEN_KEY);
        c.ExitChoice = Choice(kExitRadios);
        c.AngleChoice = Choice(kAngleRadios);
        c.FractionChoice = Choice(kFractionRadios);
        c.DecimalChoice = Choice(kDecimalRadios);
        c.PrecisionText = panel_.ItemText(IDC_OPT_PRECISION);
        c.UndoDepthText = panel_.ItemText(IDC_OPT_UNDO_DEPTH);
        return c;
    }

    void EnableHotKeyChoices() {
        const bool showHide = panel_.IsChecked(IDC_OPT_SHOWHIDE_ON);
        panel_.EnableItem(IDC_OPT_SHOWHIDE_MODS, showHide);
        panel_.EnableItem(IDC_OPT_SHOWHIDE_KEY, showHide);
        const bool fullScreen = panel_.IsChecked(IDC_OPT_FULLSCREEN_ON);
        panel_.EnableItem(IDC_OPT_FULLSCREEN_MODS, fullScreen);
        panel_.EnableItem(IDC_OPT_FULLSCREEN_KEY, fullScreen);
    }

    void OnPanelControl(int id, int notifyCode) {
        if (notifyCode == BN_CLICKED && (id == IDC_OPT_SHOWHIDE_ON || id == IDC_OPT_FULLSCREEN_ON)) {
            EnableHotKeyChoices();
        } else if (id == IDC_OPT_UNDO_DEPTH && notifyCode == EN_KILLFOCUS) {
            const std::string typed = panel_.ItemText(id);
            const std::string held = UndoFieldAfterFocusLoss(typed);
            if (held != typed) panel_.SetItemText(id, held);
        } else if (id == IDC_OPT_REMEMBER_PLACEMENT && notifyCode == BN_CLICKED && !panel_.IsChecked(id)) {
            // Over this window, so it cannot be used while the position is entered.
            if (RunWindowPositionWindow(instance_, Handle(), file_) == WindowPositionResult::Cancelled)
                panel_.SetChecked(id, true);
        }
    }

    // The range fits the message's 16-bit thumb position.
    void OnScrollBar(int request, int thumb) {
        int position = GetScrollPos(Item(IDC_OPT_SCROLL), SB_CTL);
        switch (request) {
        case SB_LINEUP:
        case SB_PAGEUP: position -= kOptionsScrollStep; break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN: position += kOptionsScrollStep; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = thumb; break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = kOptionsScrollMax; break;
        default: return;
        }
        Scroll(position);
    }

    // As many arrow steps as the system's lines per notch, counted in
    // fractions of a notch so that a fine-grained wheel's small deltas add up.
    void OnWheel(int delta) {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        // A page is one step here too.
        if (lines == WHEEL_PAGESCROLL) lines = 1;
        if ((delta > 0) != (wheelTurned_ > 0)) wheelTurned_ = 0;  // a new direction starts afresh
        wheelTurned_ += delta * static_cast<int>(lines);
        const int steps = wheelTurned_ / WHEEL_DELTA;
        if (steps == 0) return;
        wheelTurned_ -= steps * WHEEL_DELTA;
        Scroll(GetScrollPos(Item(IDC_OPT_SCROLL), SB_CTL) - steps * kOptionsScrollStep);
    }

    // Moves the panel to the position (in the layout's pixels, scaled to the
    // panel's real height; kept in the scroll range) and marks its page
    // without running the page's own jump.
    void Scroll(int position) {
        position = std::clamp(position, 0, kOptionsScrollMax);
        SetScrollPos(Item(IDC_OPT_SCROLL), SB_CTL, position, TRUE);
        RECT panel;
        GetWindowRect(panel_.Handle(), &panel);
        const double scale = (panel.bottom - panel.top) / kPanelLayoutHeight;
        const int top = static_cast<int>(std::lround(OptionsPanelTop(position) * scale));
        SetWindowPos(panel_.Handle(), nullptr, 0, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SelectTab(Item(IDC_OPT_TABS), OptionsPageAt(position));
    }

    void Apply() {
        session_.SmartPaste = panel_.IsChecked(IDC_OPT_SMART_PASTE);
        ConfirmOptions(Read(), settings_, file_, host_);
    }

    HINSTANCE instance_;
    Settings& settings_;
    SettingsFile& file_;
    OptionsHost& host_;
    OptionsSession& session_;
    OptionsPanel panel_;
    BalloonTip tips_;
    Subclass undoFilter_;
    // Wheel turn not yet scrolled, in 1/WHEEL_DELTA notches times lines.
    int wheelTurned_ = 0;
    bool applied_ = false;
};

}  // namespace

bool RunOptionsWindow(HINSTANCE instance, HWND owner, Settings& settings, SettingsFile& file, OptionsHost& host,
                      OptionsSession& session) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    OptionsWindow window(instance, settings, file, host, session);
    window.RunModal(instance, IDD_OPTIONS, owner);
    return window.Applied();
}
