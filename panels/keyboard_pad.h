// The virtual keyboard's state and what its keys do to the box, without a
// window: the shift, the mode and the bracket caption; the text keys'
// effects on the box; the stored window keys read at opening and written at
// closing. The window lays the keys out and posts the simulated presses.
#pragma once

#include <cstdint>
#include <string>

#include "keyboard.h"
#include "layout.h"

class SettingsFile;
class TextBox;
struct Settings;

// What the keyboard needs of the main window.
class KeyboardBoxHost {
public:
    virtual ~KeyboardBoxHost() = default;
    // The expression box, for keys inserted as text.
    virtual TextBox& Box() = 0;
    virtual void FocusBox() = 0;
    // The box's key-up handling of Enter (key 13) with this shift state.
    virtual void EnterKeyUp(int shift) = 0;
    virtual void Undo() = 0;
    virtual void ClearBox() = 0;
    virtual void InsertLastResult() = 0;
    virtual Settings& CurrentSettings() = 0;
    virtual SettingsFile& File() = 0;
};

// What is left to the window after a key press.
enum class PadFollowUp {
    None,
    SimulateKey,   // a real press of the outcome's VirtualKey through the box
    ShowCaptions,  // the shift changed the captions
    SwitchMode,    // captions, then the width for the new mode
};

struct PadOutcome {
    PadFollowUp FollowUp = PadFollowUp::None;
    unsigned VirtualKey = 0;
};

class KeyboardPad {
public:
    // `host` must outlive the pad.
    explicit KeyboardPad(KeyboardBoxHost& host) : host_(host) {}

    // The window opens: the stored window keys into the record, the window
    // marked open in the file; unshifted, in the stored mode.
    void Open();
    // The window closes at this outer rectangle: its place and mode into the
    // record and the file, the window marked closed.
    void Close(const WindowRect& place);

    // Key `index` pressed; `seed` feeds the random key.
    PadOutcome Press(int index, std::uint32_t seed);
    // The bracket key's right click.
    void NextBracket();

    // The caption key `index` shows now.
    std::string Caption(int index) const;
    bool Scientific() const { return scientific_; }

private:
    void MoveCaret(bool right);

    KeyboardBoxHost& host_;
    bool shifted_ = false;
    bool scientific_ = true;
    std::string bracket_ = kInitialBracketCaption;
};
