// The values of one evaluation request, handed from stage to stage.
#pragma once

#include <string>

#include "engine.h"
#include "result_form.h"

struct Engine::Request {
    ResultForm resultForm = ResultForm::Decimal;
    TextPos caret = 0;
    // Where the caret line and the expression's segment of it start. Only
    // the fraction passes and the refresh's cut need them: finding them
    // means reading back to the line's start, so a plain evaluation with an
    // "=" in front of its expression leaves them at -1.
    TextPos lineStart = -1;
    TextPos segmentStart = -1;
    TextPos insertionPoint = 0;    // offset where "=" and the result go
    // Space-split mode: blanks written behind the result, so that three
    // stand between it and the segment after it.
    TextPos paddingBlanks = 0;
    bool noEqualsOnLine = false;
    bool expressionHasEquals = false;
    std::string expressionText;    // prepared, ends in the end mark " "
    FractionInput fractionInput = FractionInput::None;
};
