// The engine's text box over a Unicode multi-line EDIT control: GBK text and
// byte offsets on the engine's side, UTF-16 text and positions on the control's.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "text_box.h"

class EditBoxAdapter : public TextBox {
public:
    explicit EditBoxAdapter(HWND edit) : edit_(edit) {}
    // The box was made again (word wrap is a creation style).
    void SetControl(HWND edit) { edit_ = edit; }

    // Runs after SetText: the control sends no EN_CHANGE for a whole-text
    // write, so the adapter reports it itself.
    void SetTextChangedHandler(std::function<void()> handler) { textChanged_ = std::move(handler); }

    std::string Text() const override;
    void SetText(const std::string& text) override;
    TextPos SelectionStart() const override;
    TextPos SelectionLength() const override;
    void SetSelectionStart(TextPos start) override;
    void SetSelectionLength(TextPos length) override;
    std::string SelectedText() const override;
    void ReplaceSelection(const std::string& text) override;

private:
    std::wstring WideText() const;
    // Selection in UTF-16 units, start <= end.
    void UnitSelection(DWORD& start, DWORD& end) const;
    // Selects the bytes [start, end) of `gbk`, the control's current text.
    void SelectBytes(const std::string& gbk, TextPos start, TextPos end);

    HWND edit_;
    std::function<void()> textChanged_;
};
