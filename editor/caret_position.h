// The caret's line and column as status part 1 shows them.
#pragma once

#include <optional>
#include <string>

#include "text_rules.h"

// " 行: N,列: M,": N the caret's line, M the bytes before the caret on it
// plus one (a two-byte character counts two). Nothing for an empty text.
std::optional<std::string> CaretPositionText(const std::string& text, TextPos caret);
