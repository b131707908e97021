#include "appearance_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include "appearance.h"
#include "appearance_ids.h"
#include "controls.h"
#include "dialog.h"
#include "effective_values.h"
#include "settings.h"
#include "settings_file.h"

namespace {

// The picker's last entry opens the system colour dialog.
constexpr LPARAM kMoreColours = -1;

constexpr COLORREF kColours[] = {
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(192, 192, 192), RGB(128, 128, 128),
    RGB(255, 0, 0),     RGB(128, 0, 0),     RGB(255, 255, 0),   RGB(128, 128, 0),
    RGB(0, 255, 0),     RGB(0, 128, 0),     RGB(0, 255, 255),   RGB(0, 128, 128),
    RGB(0, 0, 255),     RGB(0, 0, 128),     RGB(255, 0, 255),   RGB(128, 0, 128),
};

COLORREF customColours[16];

class AppearanceWindow : public Dialog {
public:
    AppearanceWindow(Settings& settings, SettingsFile& file, AppearanceHost& host)
        : settings_(settings), file_(file), host_(host), choice_(settings) {}
    ~AppearanceWindow() override {
        if (boldFont_) DeleteObject(boldFont_);
    }

    bool Applied() const { return applied_; }

protected:
    bool OnInit() override {
        const AppearanceLook& look = choice_.Shown();
        FillPicker(IDC_APP_BACK_COLOUR, look.BackColour);
        FillPicker(IDC_APP_TEXT_COLOUR, look.TextColour);

        const HWND slider = Item(IDC_APP_OPACITY);
        SetTrackBarRange(slider, 1, 100, 5, 1, 5);
        SetTrackBarPosition(slider, look.Opacity);

        host_.ApplySkin(look.Skin);
        SetItemText(IDC_APP_EFFECTS, EffectsButtonCaption(look.Effects));
        host_.SetSkinAero(look.Effects);
        host_.AdjustSkinAero(SkinAeroArguments(look.Opacity));
        SetChecked(IDC_APP_SKIN_OFF, choice_.SkinOffChecked());

        SetChecked(IDC_APP_STATUS_BAR, look.StatusBar);
        SetChecked(IDC_APP_MENU_BAR, look.MenuBar);
        SetChecked(IDC_APP_TITLE_BAR, look.TitleBar);
        host_.ApplyBars();

        LOGFONTW font{};
        GetObjectW(WindowFont(Handle()), sizeof font, &font);
        font.lfWeight = FW_BOLD;
        boldFont_ = CreateFontIndirectW(&font);
        SetWindowFont(Item(IDC_APP_SKIN_OFF), boldFont_);
        return true;
    }

    void OnCommand(int id, int notifyCode, HWND control) override {
        if (notifyCode == CBN_SELCHANGE && (id == IDC_APP_BACK_COLOUR || id == IDC_APP_TEXT_COLOUR)) {
            PickerChanged(id);
            return;
        }
        if (notifyCode != BN_CLICKED) return;
        switch (id) {
        case IDC_APP_SKIN_OFF: choice_.ToggleSkinOff(); ShowSkin(); break;
        case IDC_APP_NEXT: choice_.Next(); ShowSkin(); break;
        case IDC_APP_PREVIOUS:
            choice_.Previous();
            ShowSkin();
            SetFocus(Handle());
            break;
        case IDC_APP_EFFECTS:
            choice_.ToggleEffects();
            host_.SetSkinAero(choice_.Shown().Effects);
            break;
        case IDC_APP_TITLE_BAR:
        case IDC_APP_MENU_BAR:
        case IDC_APP_STATUS_BAR:
            choice_.SetBars(IsChecked(IDC_APP_TITLE_BAR), IsChecked(IDC_APP_MENU_BAR), IsChecked(IDC_APP_STATUS_BAR));
            ShowBars(choice_.Shown());
            break;
        case IDOK: Apply(); break;
        case IDCANCEL: Cancel(); break;
        default: Dialog::OnCommand(id, notifyCode, control);
        }
    }

    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == Item(IDC_APP_OPACITY)) {
            SliderMoved(TrackBarPosition(Item(IDC_APP_OPACITY)));
            return TRUE;
        }
        if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Item(IDC_APP_SKIN_OFF)) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(255, 0, 0));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        if (message == WM_DRAWITEM) {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == IDC_APP_BACK_COLOUR || item->CtlID == IDC_APP_TEXT_COLOUR) {
                DrawPickerItem(*item);
                SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
        }
        return FALSE;
    }

private:
    void ShowSkin() {
        SetChecked(IDC_APP_SKIN_OFF, choice_.SkinOffChecked());
        host_.ApplySkin(choice_.Shown().Skin);
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    void SliderMoved(int position) {
        if (position == choice_.Shown().Opacity) return;
        choice_.SetOpacity(position);
        host_.AdjustSkinAero(SkinAeroArguments(choice_.Shown().Opacity));
        host_.SetWindowAlpha(WindowAlpha(choice_.Shown().Opacity));
    }

    void ShowBars(const AppearanceLook& look) {
        settings_.TitleBarVisible = look.TitleBar;
        settings_.MenuBarVisible = look.MenuBar;
        settings_.StatusBarVisible = look.StatusBar;
        host_.ApplyBars();
    }

    void ShowBoxColours(const AppearanceLook& look) {
        settings_.FontColour = look.TextColour;
        host_.SetBoxColours(look.BackColour, look.TextColour);
    }

    // The standard colours, the given one first when it is not among them,
    // and the entry for any other colour; the given one selected.
    void FillPicker(int id, int colour) {
        const HWND picker = Item(id);
        for (COLORREF c : kColours) AddComboValue(picker, static_cast<LPARAM>(c));
        AddComboValue(picker, kMoreColours);
        SelectColour(id, MaskColour(colour));
    }

    void SelectColour(int id, COLORREF colour) {
        const HWND picker = Item(id);
        const int count = ComboCount(picker);
        int index = -1;
        for (int i = 0; i < count && index < 0; ++i)
            if (ComboValue(picker, i) == static_cast<LPARAM>(colour)) index = i;
        if (index < 0) index = InsertComboValue(picker, 0, static_cast<LPARAM>(colour));
        SelectComboItem(picker, index);
    }

    void PickerChanged(int id) {
        const bool back = id == IDC_APP_BACK_COLOUR;
        const AppearanceLook& look = choice_.Shown();
        const COLORREF before = MaskColour(back ? look.BackColour : look.TextColour);
        const HWND picker = Item(id);
        const int index = ComboSelection(picker);
        LRESULT data = ComboValue(picker, index);
        if (index == CB_ERR) return;
        if (data == kMoreColours) {
            CHOOSECOLORW choose{};
            choose.lStructSize = sizeof choose;
            choose.hwndOwner = Handle();
            choose.rgbResult = before;
            choose.lpCustColors = customColours;
            choose.Flags = CC_RGBINIT | CC_FULLOPEN;
            data = ChooseColorW(&choose) ? static_cast<LRESULT>(choose.rgbResult) : static_cast<LRESULT>(before);
            SelectColour(id, static_cast<COLORREF>(data));
        }
        if (back)
            choice_.SetBackColour(static_cast<int>(data));
        else
            choice_.SetTextColour(static_cast<int>(data));
        ShowBoxColours(choice_.Shown());
    }

    void DrawPickerItem(const DRAWITEMSTRUCT& item) {
        RECT r = item.rcItem;
        FillRect(item.hDC, &r, GetSysColorBrush(item.itemState & ODS_SELECTED ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID == static_cast<UINT>(-1)) return;
        InflateRect(&r, -2, -2);
        if (static_cast<LPARAM>(item.itemData) == kMoreColours) {
            SetBkMode(item.hDC, TRANSPARENT);
            DrawTextW(item.hDC, L"...", 3, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            return;
        }
        const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(item.itemData));
        FillRect(item.hDC, &r, brush);
        DeleteObject(brush);
        FrameRect(item.hDC, &r, GetSysColorBrush(COLOR_WINDOWTEXT));
    }

    void Apply() {
        choice_.Keep(settings_);
        ShowBoxColours(choice_.Shown());
        WriteAppearanceKeys(file_, settings_);
        host_.ApplyBars();
        applied_ = true;
        EndModal(IDOK);
    }

    // The engine, the window's alpha, the box's colours and the bars as
    // they were when the window opened; nothing is written.
    void Cancel() {
        const AppearanceLook& look = choice_.Restored();
        host_.ApplySkin(look.Skin);
        host_.SetSkinAero(look.Effects);
        host_.AdjustSkinAero(SkinAeroArguments(look.Opacity));
        host_.SetWindowAlpha(WindowAlpha(look.Opacity));
        ShowBoxColours(look);
        ShowBars(look);
        EndModal(IDCANCEL);
    }

    Settings& settings_;
    SettingsFile& file_;
    AppearanceHost& host_;
    AppearanceChoice choice_;
    HFONT boldFont_ = nullptr;
    bool applied_ = false;
};

}  // namespace

bool RunAppearanceWindow(HINSTANCE instance, HWND owner, Settings& settings, SettingsFile& file,
                         AppearanceHost& host) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    AppearanceWindow window(settings, file, host);
    window.RunModal(instance, IDD_APPEARANCE, owner);
    return window.Applied();
}
