// Find and replace in the expression box: matching on GBK bytes, the
// stored find values that outlive the window, and the searches and
// replacements the window's buttons and the 查找 menu run on the box.
#pragma once

#include <string>

#include "text_box.h"

struct Settings;

// Byte matching. Offsets are 0-based; a match starts only at a character
// start. Ignoring case folds single-byte A-Z/a-z only: a double-byte
// character (its trail byte may be a letter, "∟" is A8 4E) always compares
// exactly.

// The first match starting at a character start at or after `from`, or -1.
TextPos FindForwardIn(const std::string& text, const std::string& pattern, TextPos from, bool ignoreCase);
// The last match lying wholly within the first `end` bytes, or -1.
TextPos FindBackwardIn(const std::string& text, const std::string& pattern, TextPos end, bool ignoreCase);
// Every match replaced, left to right without overlap, comparing exactly;
// one pass over the text. `count`, when given, receives the replacements.
std::string ReplaceEveryMatch(const std::string& text, const std::string& pattern,
                              const std::string& replacement, TextPos* count = nullptr);

// "#换行符", "#空格符" and "#制表符" replaced by CR LF, a space and a tab,
// in that order, every occurrence, case-sensitively.
std::string ExpandFindTokens(const std::string& typed);

// What a typed character of the find or replacement field becomes: "×"
// for "*" and "÷" for "/" while 乘除替换 is on, else nullptr (it passes).
const char* FieldCharReplacement(bool mulDivSymbols, unsigned ch);

// What the find logic and its window need of the main window.
class FindReplaceHost {
public:
    virtual ~FindReplaceHost() = default;
    // The keyboard focus to the expression box.
    virtual void FocusBox() = 0;
    // The running settings record (乘除替换 for the fields).
    virtual const Settings& CurrentSettings() const = 0;
};

class FindReplace {
public:
    FindReplace(TextBox& box, FindReplaceHost& host) : box_(box), host_(host) {}

    // Program-wide, never saved: the window writes them when it acts or
    // closes, the menu searches read them while it is closed.
    std::string SearchText;
    std::string ReplaceText;
    bool FindMatchCase = false;  // 区分大小写: ticked compares exactly

    // The window's fields taken for 上一个/下一个 (find only) and for
    // 替换/替换全部 (both), tokens expanded.
    void TakeSearch(const std::string& typedFind, bool matchCase);
    void TakeSearchAndReplace(const std::string& typedFind, const std::string& typedReplace, bool matchCase);
    // The window closing: the fields as typed.
    void StoreTyped(const std::string& typedFind, const std::string& typedReplace, bool matchCase);

    // The search from the stored values: after the selection (forward) or
    // ending before the caret (backward); with nothing there, the first
    // match from the start; nothing at all leaves the caret at 0. The match
    // is selected and, with `replace`, replaced. Returns 0 for an empty
    // search text, -1 when nothing matches, 1 otherwise.
    int FindText(bool forward, bool replace);
    // 查找下一个 (F3) and 查找上一个 (Shift+F3).
    int FindNext() { return FindText(true, false); }
    int FindPrevious() { return FindText(false, false); }
    // Every match of SearchText replaced exactly, written as the box's
    // whole text in one write (the caret ends at 0).
    void ReplaceAllInText();
    // 替换选中: the typed fields expanded for this once (the stored values
    // stay); every exact match inside the selection replaced in one write.
    // False, with nothing done, without a selection or a find text.
    bool ReplaceInSelection(const std::string& typedFind, const std::string& typedReplace);

private:
    TextBox& box_;
    FindReplaceHost& host_;
};
