// Number runs and the missing-operator rules of the token scan.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text_rules.h"

// Digit, "." or "/" (the fraction bar).
bool IsNumberChar(char ch);

// True when the bytes just before 0-based `offset` are `pattern` and the
// first of them starts a character (a trail byte never matches).
bool PrecededBy(const std::string& text, TextPos offset, std::string_view pattern);

// Scans the number run that starts at 0-based offset `offset` of
// `normalised`, appends it to `tokens` as one token and returns the offset
// just behind it. On failure returns -1 with `message` set.
TextPos ScanNumberRun(const std::string& normalised, TextPos offset,
                      std::vector<std::string>& tokens, std::string& message);
