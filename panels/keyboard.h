// The virtual keyboard's logic without a window: its 41 keys, what each
// does in either shift state, the bracket key's caption cycle, the caret
// keys' steps over GBK text, the key layout for a window size and mode, and
// where a stored keyboard window opens.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "layout.h"
#include "text_rules.h"

struct Settings;

inline constexpr int kKeyboardKeyCount = 41;

// What pressing a key does; the window carries it out.
enum class KeyAction {
    Insert,          // write Text at the caret
    InsertInside,    // write Text, then the caret one byte back
    SimulateKey,     // a real key press of VirtualKey through the box's handling
    Enter,           // the box's key-up handling of a released Enter
    Undo,
    ClearBox,
    InsertLastResult,
    CaretLeft,
    CaretRight,
    ToggleShift,
    ToggleMode,
    Bracket,
    RandomNumber,    // a whole number from 1 to 1000
};

struct KeyEffect {
    KeyAction Action = KeyAction::Insert;
    std::string Text;
    unsigned VirtualKey = 0;
};

struct KeyboardKey {
    const char* Caption;
    const char* SecondCaption;  // nullptr: the key ignores the shift
    int Column;                 // design left in a 540 x 285 window
    int Row;                    // design top
    KeyEffect Primary;
    KeyEffect Second;
};

const std::array<KeyboardKey, kKeyboardKeyCount>& KeyboardKeys();

// The caption a key shows, and what it does, in the shift state.
std::string KeyCaption(int index, bool shifted);
KeyEffect KeyPress(int index, bool shifted);

// Index of the key whose primary caption is `caption`, or -1.
int KeyIndexOf(const std::string& caption);

// The bracket key's captions: "（）", "（ " and " ）"; a right click moves
// to the next, a click inserts the caption's ASCII form.
std::string NextBracketCaption(const std::string& caption);
std::string BracketInsertText(const std::string& caption);
inline const char kInitialBracketCaption[] = "（）";

// Caret positions after "←" and "→": one whole GBK character or one CR LF.
TextPos CaretLeftOf(const std::string& text, TextPos caret);
TextPos CaretRightOf(const std::string& text, TextPos caret);

// A number from 1 to 1000 from a seed, as the random key inserts it.
std::string RandomKeyText(std::uint32_t seed);

struct KeyRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Every key's place for the window's outer size; in the simple pad the
// function keys stand left of the window, out of sight.
std::array<KeyRect, kKeyboardKeyCount> KeyboardLayout(int width, int height, bool scientific);

// The window's width after the mode key: 540 wide becomes 310 and back.
int SwitchedModeWidth(int width, bool toScientific);

// Where the stored keyboard window opens: the stored rectangle when it can
// be reached and has a usable size, else a usable size on the screen.
WindowRect KeyboardPlacement(const Settings& settings, int screenWidth, int screenHeight);
