// Function tokens of the postfix evaluation: the one-argument functions
// (with the postfix operators and the sign) and the list functions.
#pragma once

#include <string>

struct EvaluationContext;

bool IsOneArgumentFunction(const std::string& token);
bool IsListFunction(const std::string& token);

// Applies the function to the top of the operand stack. Returns false with
// context.message set on failure. FractionInput was already set by the caller.
bool ApplyOneArgumentFunction(const std::string& token, EvaluationContext& context);
bool ApplyListFunction(const std::string& token, EvaluationContext& context);
