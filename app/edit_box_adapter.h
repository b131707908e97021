// The engine's text box over a Unicode multi-line EDIT control: GBK text and
// byte offsets on the engine's side, UTF-16 text and positions on the control's.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "gbk_codec.h"
#include "text_box.h"

class EditBoxAdapter : public TextBox {
public:
    explicit EditBoxAdapter(HWND edit) : edit_(edit) {}
    // The box was made again (word wrap is a creation style).
    void SetControl(HWND edit) { edit_ = edit; }

    // Runs after SetText: the control sends no EN_CHANGE for a whole-text
    // write, so the adapter reports it itself.
    void SetTextChangedHandler(std::function<void()> handler) { textChanged_ = std::move(handler); }

    // While a reuse scope is open the text is read from the control once
    // and kept current by the adapter's own writes: one evaluation asks for
    // it many times, and a long text costs a conversion every time. Only
    // code that changes the box through this adapter may run in a scope.
    // The view follows the caret once, when the scope ends.
    class TextReuseScope {
    public:
        explicit TextReuseScope(EditBoxAdapter& box) : box_(box) { ++box_.reuseDepth_; }
        ~TextReuseScope() {
            if (--box_.reuseDepth_ > 0) return;
            box_.SetCache(std::nullopt);
            box_.ScrollToCaret();
        }
        TextReuseScope(const TextReuseScope&) = delete;
        TextReuseScope& operator=(const TextReuseScope&) = delete;

    private:
        EditBoxAdapter& box_;
    };

    // The control reported a change (EN_CHANGE): unless the adapter made it
    // itself, a text read before is stale.
    void ControlChanged() {
        if (!writing_) SetCache(std::nullopt);
    }

    // True while SetText writes: the control's change notice for it is not
    // a change of its own (SetText reports the change itself).
    bool InWholeTextWrite() const { return wholeWrite_; }

    // Whole-text writes and replacements made through the adapter so far.
    unsigned WriteCount() const { return writeCount_; }

    std::string Text() const override;
    // From the text read once inside a reuse scope, without copying it all.
    TextPos TextSize() const override;
    std::string TextPart(TextPos start, TextPos count) const override;
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
    // Scrolls the caret into view when a selection asked for it.
    void ScrollToCaret();

    // The control's text in GBK: from the cache inside a scope.
    const std::string& CurrentText() const;
    void SetCache(std::optional<std::string> text) const;
    TextPos ByteOf(const std::string& gbk, TextPos unit) const;
    TextPos UnitOf(const std::string& gbk, TextPos byte) const;

    HWND edit_;
    std::function<void()> textChanged_;
    int reuseDepth_ = 0;
    bool writing_ = false;
    bool wholeWrite_ = false;
    mutable std::optional<std::string> cache_;
    mutable UnitByteMark mark_;  // a matching pair of positions in cache_
    unsigned writeCount_ = 0;
    bool scrollPending_ = false;
    mutable std::string uncached_;
};
