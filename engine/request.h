// The values of one evaluation request, handed from stage to stage.
#pragma once

#include <string>

#include "engine.h"

struct Engine::Request {
    int resultForm = 0;            // 0 decimal, 1 improper fraction, 2 mixed number
    TextPos caret = 0;
    // Where the caret line and the expression's segment of it start. Only
    // the fraction passes and the refresh's cut need them: finding them
    // means reading back to the line's start, so a plain evaluation with an
    // "=" in front of its expression leaves them at -1.
    TextPos lineStart = -1;
    TextPos segmentStart = -1;
    TextPos insertionPoint = 0;    // offset where "=" and the result go
    int spaceSuffixKind = 0;       // blanks that follow a space-split segment
    bool noEqualsOnLine = false;
    bool expressionHasEquals = false;
    std::string expressionText;    // prepared, ends in the end mark " "
    int fractionInput = 0;
};
