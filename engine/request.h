// The values of one evaluation request, handed from stage to stage.
#pragma once

#include <string>

#include "engine.h"

struct Engine::Request {
    int resultForm = 0;            // 0 decimal, 1 improper fraction, 2 mixed number
    TextPos caret = 0;
    TextPos lineStart = 0;         // offset of the caret line's first byte
    TextPos segmentStart = 0;      // offset where lineText starts in the box
    std::string lineText;
    TextPos insertionPoint = 0;    // offset where "=" and the result go
    int spaceSuffixKind = 0;       // blanks that follow a space-split segment
    bool noEqualsOnLine = false;
    bool expressionHasEquals = false;
    std::string expressionText;    // prepared, ends in the end mark " "
    int fractionInput = 0;
};
