// GBK bytes <-> UTF-16 at the window boundary, always with code page 936
// (never the ANSI code page), so the program behaves the same whatever
// code page the system runs with.
//
// Both directions keep one UTF-16 unit per GBK character (a byte >= 0x80
// with its following byte, or a single byte), which is what lets caret
// positions be mapped by counting characters.
#pragma once

#include <string>

#include "text_rules.h"

std::wstring GbkToWide(const std::string& gbk);
// A unit without a GBK form (or half of a surrogate pair) becomes "?".
std::string WideToGbk(const std::wstring& wide);
// What a UTF-16 window gives back of GBK text it was given: the same bytes
// unless a character had no GBK form of its own.
std::string GbkThroughWide(const std::string& gbk);

// Byte offset (0-based) in GBK text -> UTF-16 index; an offset inside a
// two-byte character gives that character's start. Clamped to the text.
TextPos UnitIndexOfByte(const std::string& gbk, TextPos offset);
// UTF-16 index -> byte offset in the same GBK text. Clamped to the text.
TextPos ByteOffsetOfUnit(const std::string& gbk, TextPos index);

// A pair of positions known to match in one text: a walk to a later
// position starts there instead of at the text's start. Each call moves it
// to the position found.
struct UnitByteMark {
    TextPos Unit = 0;
    TextPos Byte = 0;
};
TextPos UnitIndexOfByte(const std::string& gbk, TextPos offset, UnitByteMark& mark);
TextPos ByteOffsetOfUnit(const std::string& gbk, TextPos index, UnitByteMark& mark);
