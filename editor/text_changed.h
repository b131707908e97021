// What follows every change of the expression box's text: the caret's line
// and column, a typing hint, calculator symbols for character sequences just
// typed before the caret (and for laptop users the full-width brackets), and
// an undo step.
#pragma once

#include <string>

#include "text_box.h"

struct Settings;

// What the handling needs from the window around the box.
class TextChangedHost {
public:
    virtual ~TextChangedHost() = default;
    // Status part 1 from the box's caret as it now is.
    virtual void ShowCaretPosition() = 0;
    // Records the box's whole text and caret as an undo step.
    virtual void RecordUndoSnapshot() = 0;
};

class TextChangedHandling {
public:
    TextChangedHandling(TextBox& box, StatusBar& status, const Settings& settings, TextChangedHost& host);

    // Call after every change of the box's text, whatever made it.
    //
    // A replacement made here is a change of its own. This handler deals
    // with it itself: it goes through the changed text again (position,
    // hint, rules, undo step) until no rule matches, at most a few rounds.
    // A box that reports its changes at once (the real control sends its
    // change notice from inside the write) may call this handler during
    // such a write; that call returns at once, because the caret is put
    // right only after the write. Every box therefore ends a change with
    // the same text, caret and undo steps, and nothing recurses.
    void TextChangedHandler();

    // Undo and redo: puts a snapshot back into the box and handles that
    // change as a replay: no undo step is recorded for it, while the rules
    // still act on the text (a replacement they make is a step of its own).
    // The box's own report of the whole-text write is ignored: the handling
    // runs once, with the caret already back in place.
    void RestoreSnapshot(const std::string& text, TextPos caret);

    // Set only between a restore and the handling of its change.
    bool UndoReplaying() const { return undoReplaying_; }

    // Rounds through one change at most: replacements chain only briefly
    // (a third "‘" behind "''" becomes "'", then "'''" becomes "°", then
    // nothing matches), and the last round replaces nothing.
    static constexpr int kMaxRounds = 8;

private:
    void ShowHint(const std::string& text, TextPos caret);
    // Group A (only with automatic replacement on), then group B; applies
    // the first match, if any. True when the text was changed.
    bool ReplaceTypedSequence(const std::string& text, TextPos caret);
    bool ReplaceLaptopBracket(const std::string& text, TextPos caret);
    // Writes `with` over the `length` bytes before the caret, the box's own
    // report of the write ignored; the caret ends `back` bytes before the
    // end of the replacement.
    void ReplaceBeforeCaret(TextPos caret, TextPos length, const std::string& with, TextPos back = 0);

    TextBox& box_;
    StatusBar& status_;
    const Settings& settings_;
    TextChangedHost& host_;
    bool undoReplaying_ = false;
    // True while this handling writes to the box itself.
    bool writing_ = false;
};
