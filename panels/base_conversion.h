// The analysis window's conversion page: a non-negative whole number written
// in one base between 2 and 36 rewritten in another, exactly, at any length.
#pragma once

#include <string>

// "参数错误-进制只能在2-36之间" for a base outside 2..36, "参数错误！" for
// a byte that is no digit of `fromBase`, else the number in `toBase` (upper
// case, no leading zeros; an empty text gives "0"). With equal bases the
// normalised text itself. `text` is replaced by its normalised form: full
// width folded to ASCII, ASCII letters in upper case.
std::string ConvertBase(std::string& text, int fromBase, int toBase);

// The digits of the bases, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ".
extern const char kBaseDigits[];
