#include "window_position_window.h"

#include <memory>

#include "dialog.h"
#include "subclass.h"
#include "window_position.h"
#include "window_position_ids.h"

namespace {

constexpr int kFields[] = {IDC_POS_TOP, IDC_POS_LEFT, IDC_POS_WIDTH, IDC_POS_HEIGHT};

class WindowPositionWindow : public Dialog {
public:
    explicit WindowPositionWindow(SettingsFile& file) : file_(file) {}

    WindowPositionResult Result() const { return result_; }

protected:
    bool OnInit() override {
        for (size_t i = 0; i < std::size(kFields); ++i) {
            filters_[i].Install(Item(kFields[i]), [](UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
                handled = message == WM_CHAR && !PositionFieldAcceptsChar(static_cast<unsigned>(wParam));
                return 0;
            });
        }
        const PositionTexts texts = ReadPositionTexts(file_);
        SetItemText(IDC_POS_LEFT, texts.Left);
        SetItemText(IDC_POS_TOP, texts.Top);
        SetItemText(IDC_POS_WIDTH, texts.Width);
        SetItemText(IDC_POS_HEIGHT, texts.Height);
        Validate();
        SetFocus(Item(IDC_POS_TOP));
        return false;
    }

    void OnCommand(int id, int notifyCode, HWND control) override {
        if (notifyCode == EN_CHANGE) {
            Validate();
        } else if (id == IDOK && notifyCode == BN_CLICKED) {
            // Enter reaches here even while the button is disabled.
            if (!IsWindowEnabled(Item(IDOK))) return;
            WritePositionTexts(file_, Texts());
            result_ = WindowPositionResult::Saved;
            EndModal(IDOK);
        } else if (id == IDCANCEL) {
            result_ = WindowPositionResult::Cancelled;
            EndModal(IDCANCEL);
        } else {
            Dialog::OnCommand(id, notifyCode, control);
        }
    }

private:
    PositionTexts Texts() const {
        return {ItemText(IDC_POS_LEFT), ItemText(IDC_POS_TOP), ItemText(IDC_POS_WIDTH), ItemText(IDC_POS_HEIGHT)};
    }

    void Validate() {
        EnableItem(IDOK, PositionAccepted(Texts(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    }

    SettingsFile& file_;
    Subclass filters_[std::size(kFields)];
    WindowPositionResult result_ = WindowPositionResult::Closed;
};

}  // namespace

WindowPositionResult RunWindowPositionWindow(HINSTANCE instance, HWND owner, SettingsFile& file) {
    WindowPositionWindow window(file);
    if (window.RunModal(instance, IDD_WINDOW_POSITION, owner) == -1) return WindowPositionResult::Closed;
    return window.Result();
}
