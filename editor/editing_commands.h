// The text side of the expression box's editing commands and mouse gestures:
// line commands, the compatible copy, the clear command, the double-click
// number selection and the Alt-click duplication. Portable: they work on any
// TextBox, so the window only decides when to call them.
#pragma once

#include <string>

#include "text_box.h"

// Byte range [Start, End) of a line, without its line break.
struct LineSpan {
    TextPos Start = 0;
    TextPos End = 0;
};

// The caret's line: from right after the last LF at or before the byte
// just before the caret, up to the first CR at or after that byte. A caret
// between CR and LF therefore still belongs to the line the CR ends.
LineSpan CaretLine(const std::string& text, TextPos caret);

// Puts the caret's line on the clipboard (an empty line too).
void CopyLine(const TextBox& box, ClipboardSink& clipboard);
// Empties the caret's line; its line break stays. True when the text changed.
bool DeleteLine(TextBox& box);
void SelectLine(TextBox& box);

// "×" -> "*", "÷" -> "/", "π" -> "pi", whole characters only.
std::string CompatibleText(const std::string& gbk);
// The selection in compatible form on the clipboard; nothing for an empty
// selection. True when something was put.
bool CopyCompatible(const TextBox& box, ClipboardSink& clipboard);

// 31 empty lines (62 bytes), the text the clear command writes.
std::string ClearedBoxText();
// A whole-text write: the real box clears its modified flag on one, so the
// caller marks the box modified afterwards.
void ClearBox(TextBox& box);

// The number (with its sign when nothing numeric stands in front of the
// "-") or the operator right before the caret; LineSpan{} with Start ==
// End when there is none. Every match starts at a character start.
LineSpan NumberBeforeCaret(const std::string& text, TextPos caret);
// Selects what NumberBeforeCaret finds and, with `copy`, puts it on the
// clipboard; otherwise leaves the selection as it was. True when selected.
bool SelectNumberAtCaret(TextBox& box, ClipboardSink& clipboard, bool copy);

// Alt with a click: the selection goes onto a new line below the caret's
// line (or behind a new line break at the end of the text), and the caret
// stands behind the copy. An empty selection changes nothing. True when
// the text changed.
bool DuplicateSelection(TextBox& box);

// A file's bytes taken as text: up to, not including, the first NUL or
// 0x1A byte.
std::string TextOfFileBytes(const std::string& bytes);
