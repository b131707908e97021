#include "caret_position.h"

#include <algorithm>
#include <vector>

std::optional<std::string> CaretPositionText(const std::string& text, TextPos caret) {
    // The bytes up to and including the one behind the caret, split at
    // CR LF with an empty last piece dropped: a caret right in front of a
    // line break still counts on its own line. Counted, not copied.
    const size_t take = static_cast<size_t>(std::clamp<TextPos>(caret + 1, 0, TextLength(text)));
    if (take == 0) return std::nullopt;
    std::vector<size_t> breaks;  // offsets of the CR LFs inside the head
    for (size_t at = text.find("\r\n"); at != std::string::npos && at + 2 <= take; at = text.find("\r\n", at + 2))
        breaks.push_back(at);
    size_t pieces = breaks.size() + 1;
    size_t lastStart = breaks.empty() ? 0 : breaks.back() + 2;
    size_t lastEnd = take;
    if (!breaks.empty() && lastStart == take) {
        --pieces;
        lastEnd = breaks.back();
        lastStart = breaks.size() >= 2 ? breaks[breaks.size() - 2] + 2 : 0;
    }
    return " 行: " + std::to_string(pieces) + ",列: " + std::to_string(lastEnd - lastStart) + ",";
}
