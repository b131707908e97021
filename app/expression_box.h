// The expression box 编辑框: the main window's multi-line EDIT control, made
// again when word wrap changes (a creation style), and its subclass, which
// hands the box's keys, characters and mouse to the editor logic.
#pragma once

#include <windows.h>

#include "box_mouse.h"
#include "subclass.h"

class CharInput;
class ClipboardAdapter;
class EditBoxAdapter;
class KeyHandlers;
struct Settings;

// What the box asks of the window around it.
class ExpressionBoxHost {
public:
    virtual void ShowBoxContextMenu() = 0;
    virtual void ShowCaretPosition() = 0;
    // Settings::FontSize changed (Ctrl with the wheel): build the font anew.
    virtual void FontSizeChanged() = 0;
    // The user drags the main window by the box with Ctrl held.
    virtual void DragWindow(const BoxDrag& drag) = 0;

protected:
    ~ExpressionBoxHost() = default;
};

// The logic the box's messages go to once it is subclassed; all of it
// outlives the box.
struct BoxLogic {
    KeyHandlers* Keys = nullptr;
    CharInput* Chars = nullptr;
    EditBoxAdapter* Text = nullptr;
    ClipboardAdapter* Clipboard = nullptr;
    Settings* Current = nullptr;
};

class ExpressionBox {
public:
    explicit ExpressionBox(ExpressionBoxHost& host) : host_(host) {}
    ExpressionBox(const ExpressionBox&) = delete;
    ExpressionBox& operator=(const ExpressionBox&) = delete;

    // Creates the control as child `id` of `parent`, or makes it again with
    // the other wrapping, keeping its text, selection, modification flag,
    // font and subclass.
    bool Create(HWND parent, int id, bool wordWrap);
    HWND Handle() const { return box_; }
    // The keyboard focus to the box, once it exists.
    void Focus() const {
        if (box_) SetFocus(box_);
    }
    bool WordWraps() const;

    // From now on the box's messages go to `logic` first.
    void HandMessagesTo(const BoxLogic& logic);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    void InstallSubclass();

    ExpressionBoxHost& host_;
    HWND box_ = nullptr;
    BoxLogic logic_;
    bool subclassed_ = false;
    Subclass subclass_;
    BoxMouseState mouse_;
};
