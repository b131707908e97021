// Runs the postfix list on the operand stack: numbers, fraction literals,
// argument joins, the seven two-operand operators and the functions.
#pragma once

#include <string>
#include <vector>

#include "engine_state.h"
#include "result_form.h"

struct Settings;

struct EvaluationContext {
    std::vector<std::string>& operandStack;
    const Settings& settings;
    EvalMode evalMode = EvalMode::Plain;
    FractionInput fractionInput = FractionInput::None;
    std::string message{};  // set on failure
};

// Empties the stack, then runs `postfix` to its end mark. Returns true when
// the whole list ran (the stack then holds what is left, and
// context.fractionInput is FractionLiteral when the result may be written as
// a fraction, else None); false with context.message set.
bool EvaluatePostfix(const std::vector<std::string>& postfix, EvaluationContext& context);
