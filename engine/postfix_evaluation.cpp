#include "postfix_evaluation.h"

#include <cmath>

#include "functions.h"
#include "messages.h"
#include "token_text.h"
#include "number_rules.h"
#include "text_rules.h"

namespace {


bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

bool IsNumberToken(const std::string& token) {
    if (token.empty()) return false;
    const char first = token[0];
    if (IsDigit(first) || first == '/') return true;
    return (first == '+' || first == '-') && token.size() > 1;
}

bool IsTwoOperandOperator(const std::string& token) {
    return IsTokenOneOf(token, "+-*@\\^|");
}

bool Fail(EvaluationContext& context, const char* message) {
    context.message = message;
    return false;
}

// Plain numbers stay as written; "/" marks a fraction literal n/d or w/n/d.
bool PushNumber(const std::string& token, EvaluationContext& context) {
    if (TextContains(token, ".")) context.fractionInput = FractionInput::DecimalOrFunction;
    if (!TextContains(token, "/")) {
        context.operandStack.push_back(token);
        return true;
    }
    if (context.fractionInput != FractionInput::DecimalOrFunction) context.fractionInput = FractionInput::FractionLiteral;
    const std::vector<std::string> pieces = TextSplit(token, "/");
    double value = 0;
    if (pieces.size() == 3) {
        const double denominator = TextToNumber(pieces[2]);
        if (NearlyZero(denominator)) return Fail(context, msg::kZeroDenominator);
        value = TextToNumber(pieces[0]) + TextToNumber(pieces[1]) / denominator;
    } else if (pieces.size() == 2) {
        const double denominator = TextToNumber(pieces[1]);
        if (NearlyZero(denominator)) return Fail(context, msg::kZeroDenominator);
        value = TextToNumber(pieces[0]) / denominator;
    } else {
        return Fail(context, msg::kFractionPieces);
    }
    context.operandStack.push_back(NumberToText(value));
    return true;
}

// A run of `joins` consecutive "," joins the top joins + 1 entries, the
// lowest first: the same text as joining pairwise from the top, without
// copying the growing list once per comma.
bool JoinArguments(size_t joins, EvaluationContext& context) {
    std::vector<std::string>& stack = context.operandStack;
    if (stack.size() < joins + 1) return Fail(context, msg::kMissingOperand);
    const size_t first = stack.size() - joins - 1;
    size_t length = joins;
    for (size_t i = first; i < stack.size(); ++i) length += stack[i].size();
    std::string& joined = stack[first];
    joined.reserve(length);
    for (size_t i = first + 1; i < stack.size(); ++i) {
        joined += ',';
        joined += stack[i];
    }
    stack.resize(first + 1);
    return true;
}

bool ApplyTwoOperandOperator(const std::string& token, EvaluationContext& context) {
    std::vector<std::string>& stack = context.operandStack;
    if (stack.size() < 2) return Fail(context, msg::kMissingOperand);
    const std::string& left = stack[stack.size() - 2];
    const std::string& right = stack.back();
    if (TextPieceCount(left) != 1 || TextPieceCount(right) != 1)
        return Fail(context, msg::kCommaMisplaced);
    const double a = TextToNumber(left);
    const double b = TextToNumber(right);

    double result = 0;
    const char* message = nullptr;
    bool finite = true;
    if (IsToken(token, '+')) {
        result = a + b;
        message = msg::kAddError;
    } else if (IsToken(token, '-')) {
        result = a - b;
        message = msg::kSubtractError;
    } else if (IsToken(token, '*')) {
        result = a * b;
        message = msg::kMultiplyError;
    } else if (IsToken(token, '@')) {
        result = a / b;
        message = msg::kDivideError;
    } else if (IsToken(token, '\\')) {
        // The plain quotient catches a zero divisor before the cut.
        finite = IsFinite(a / b);
        if (finite) result = IntegerDivide(a, b);
        message = msg::kIntegerDivideError;
    } else if (IsToken(token, '^')) {
        result = std::pow(a, b);
        message = msg::kPowerError;
    } else {  // "|": the a-th root of b
        result = std::pow(b, 1.0 / a);
        message = msg::kRootError;
    }
    if (!finite || !IsFinite(result)) return Fail(context, message);

    stack.pop_back();
    stack.back() = NumberToText(result);
    return true;
}

}  // namespace

bool EvaluatePostfix(const std::vector<std::string>& postfix, EvaluationContext& context) {
    context.operandStack.clear();
    context.fractionInput = FractionInput::None;
    context.message.clear();
    for (size_t i = 0; i < postfix.size(); ++i) {
        const std::string& token = postfix[i];
        if (IsToken(token, ' ')) break;  // the end mark
        bool ok = true;
        if (IsToken(token, ',')) {
            size_t joins = 1;
            while (i + 1 < postfix.size() && IsToken(postfix[i + 1], ',')) {
                ++joins;
                ++i;
            }
            ok = JoinArguments(joins, context);
        } else if (IsNumberToken(token)) {
            ok = PushNumber(token, context);
        } else if (IsTwoOperandOperator(token)) {
            ok = ApplyTwoOperandOperator(token, context);
        } else if (IsOneArgumentFunction(token)) {
            context.fractionInput = FractionInput::DecimalOrFunction;
            ok = ApplyOneArgumentFunction(token, context);
        } else if (IsListFunction(token)) {
            context.fractionInput = FractionInput::DecimalOrFunction;
            ok = ApplyListFunction(token, context);
        } else {
            ok = Fail(context, msg::kUnknownOperator);
        }
        if (!ok) return false;
    }
    // A decimal or function result is shown as a decimal; the second pass of
    // the fraction conversion always asks for a fraction.
    if (context.fractionInput == FractionInput::DecimalOrFunction) context.fractionInput = FractionInput::None;
    if (context.evalMode == EvalMode::FractionSecondPass) context.fractionInput = FractionInput::FractionLiteral;
    return true;
}
