// Runs the postfix list on the operand stack: numbers, fraction literals,
// argument joins, the seven two-operand operators and the functions.
#pragma once

#include <string>
#include <vector>

struct Settings;

struct EvaluationContext {
    std::vector<std::string>& operandStack;
    const Settings& settings;
    int evalMode = 0;
    // 0 nothing special, 1 a fraction literal was met, 2 a decimal or a function.
    int fractionInput = 0;
    std::string message;  // set on failure
};

// Empties the stack, then runs `postfix` to its end mark. Returns true when
// the whole list ran (the stack then holds what is left, and
// context.fractionInput its final value); false with context.message set.
bool EvaluatePostfix(const std::vector<std::string>& postfix, EvaluationContext& context);
