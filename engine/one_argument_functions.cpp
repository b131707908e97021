// The one-argument tokens: prefix functions, the sign "~" and the postfix
// operators "!", "%" and "‰". Each replaces the top of the operand stack.
#include <array>
#include <cmath>
#include <string_view>

#include "functions.h"
#include "messages.h"
#include "number_rules.h"
#include "postfix_evaluation.h"
#include "settings.h"
#include "text_rules.h"

using namespace std::string_view_literals;

namespace {

constexpr double kPi = 3.141592653589793;
// Returned by the arc functions for an argument outside [-1, 1].
constexpr double kOutOfRange = 555.0;
constexpr double kFactorialLimit = 150.0;

const char* const kFunctionErrorPrefix = "  [运算错误]_";
const char* const kEmptyArgumentSuffix = "函数参数不能为空！";
const char* const kResultErrorSuffix = "函数运算错误！";
const char* const kTooManyPrefix = "  [运算错误]_为";
const char* const kTooManySuffix = "函数提供过多的参数，函数参数必须为1个！";
const char* const kSineError = "  [运算错误]_正弦运算错误或溢出！";
const char* const kCosineError = "  [运算错误]_余弦运算错误或溢出！";
const char* const kTangentError = "  [运算错误]_正切运算错误或溢出！";
const char* const kSquareRootError = "  [运算错误]_平方根运算错误或溢出！";
const char* const kArcSineRange = "  [运算错误]_正弦值只能在-1～1之间！";
const char* const kArcCosineRange = "  [运算错误]_余弦值只能在-1～1之间！";
const char* const kSinhError = "  [运算错误]_sinh函数运算错误！";
const char* const kCoshError = "  [运算错误]_cosh函数运算错误！";
const char* const kTanhError = "  [运算错误]_tanh函数运算错误！";
const char* const kFactorialError = "  [运算错误]_阶乘的参数必须是一个整数且大于零,小于等于150！";

bool Fail(EvaluationContext& context, const std::string& message) {
    context.message = message;
    return false;
}

// Angle units: 1 degrees, 3 grads, anything else radians. Dividing first
// makes sin30 meet the same double as π/6.
double AngleToRadians(double x, const EvaluationContext& context) {
    switch (context.settings.AngleUnit) {
        case 1: return x / 180.0 * kPi;
        case 3: return x / 200.0 * kPi;
        default: return x;
    }
}

double RadiansToAngle(double a, const EvaluationContext& context) {
    switch (context.settings.AngleUnit) {
        case 1: return a / kPi * 180.0;
        case 3: return a / kPi * 200.0;
        default: return a;
    }
}

bool OutsideUnitRange(double x) { return x - 1.0 > kTolerance || x - (-1.0) < -kTolerance; }

// Within the tolerance beyond ±1 the square root is of a negative number and
// the result is NaN, which the caller treats as out of range too.
double ArcSine(double x) {
    if (OutsideUnitRange(x)) return kOutOfRange;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcCosine(double x) {
    if (OutsideUnitRange(x)) return kOutOfRange;
    // π/2 to the last bit, so that acos0 is exactly 90 degrees.
    return kPi / 2.0 - ArcSine(x);
}

bool IsOutOfRangeMark(double a) { return std::isnan(a) || std::fabs(a - kOutOfRange) <= kTolerance; }

bool Factorial(double x, double& result) {
    const bool valid = x > kTolerance && x - kFactorialLimit <= kTolerance &&
                       std::fabs(x - IntegerPart(x)) <= kTolerance;
    if (!valid) return false;
    const int n = static_cast<int>(std::trunc(x));
    result = 1.0;
    for (int k = 1; k <= n; ++k) result *= k;
    return true;
}

// Toward zero after the snap of IntegerPart, but without its 32-bit wrap.
double WholePart(double x) {
    double whole = std::trunc(x);
    if (std::fabs(x - whole) > 0.999999999999) whole += x < 0 ? -1.0 : 1.0;
    return whole;
}

double Sinh(double x) { return (std::exp(x) - std::exp(-x)) / 2.0; }
double Cosh(double x) { return (std::exp(x) + std::exp(-x)) / 2.0; }

}  // namespace

bool IsOneArgumentFunction(const std::string& token) {
    static constexpr std::array<std::string_view, 19> kTokens = {
        "!",   "sin", "sinh", "cosh", "tanh", "~",   "cos", "tan", "sqr", "asin",
        "acos", "atan", "abs", "exp",  "int",  "ln",  "lg",  "%",   "‰"};
    for (std::string_view name : kTokens)
        if (token == name) return true;
    return false;
}

bool ApplyOneArgumentFunction(const std::string& token, EvaluationContext& context) {
    std::vector<std::string>& stack = context.operandStack;
    const std::size_t pieces = stack.empty() ? 0 : TextPieceCount(stack.back());
    if (pieces == 0) return Fail(context, kFunctionErrorPrefix + token + kEmptyArgumentSuffix);
    if (pieces != 1) return Fail(context, kTooManyPrefix + token + kTooManySuffix);

    const double x = TextToNumber(stack.back());
    double result = 0;
    // Every result is tested: an infinite one would be written as "1.#INF",
    // which reads back as the number 1. Functions without a message of their
    // own share one naming the token.
    const char* finiteMessage = nullptr;

    if (token == "!"sv) {
        if (!Factorial(x, result)) return Fail(context, kFactorialError);
    } else if (token == "~"sv) {
        result = x * -1.0;
        // A negated fraction may still be shown as a fraction.
        context.fractionInput = FractionInput::FractionLiteral;
    } else if (token == "sin"sv) {
        result = std::sin(AngleToRadians(x, context));
        finiteMessage = kSineError;
    } else if (token == "cos"sv) {
        result = std::cos(AngleToRadians(x, context));
        finiteMessage = kCosineError;
    } else if (token == "tan"sv) {
        result = std::tan(AngleToRadians(x, context));
        finiteMessage = kTangentError;
    } else if (token == "sqr"sv) {
        result = std::sqrt(x);
        finiteMessage = kSquareRootError;
    } else if (token == "asin"sv || token == "acos"sv) {
        const bool sine = token == "asin"sv;
        const double a = sine ? ArcSine(x) : ArcCosine(x);
        if (IsOutOfRangeMark(a)) return Fail(context, sine ? kArcSineRange : kArcCosineRange);
        result = RadiansToAngle(a, context);
    } else if (token == "atan"sv) {
        result = RadiansToAngle(std::atan(x), context);
    } else if (token == "abs"sv) {
        result = std::fabs(x);
    } else if (token == "exp"sv) {
        result = std::exp(x);
    } else if (token == "int"sv) {
        result = WholePart(x);
    } else if (token == "ln"sv) {
        result = std::log(x);
    } else if (token == "lg"sv) {
        result = std::log(x) / std::log(10.0);
    } else if (token == "%"sv) {
        result = x / 100.0;
    } else if (token == "‰"sv) {
        result = x / 1000.0;
    } else if (token == "sinh"sv) {
        result = Sinh(x);
        finiteMessage = kSinhError;
    } else if (token == "cosh"sv) {
        result = Cosh(x);
        finiteMessage = kCoshError;
    } else if (token == "tanh"sv) {
        result = Sinh(x) / Cosh(x);
        finiteMessage = kTanhError;
    } else {
        return Fail(context, msg::kUnknownOperator);
    }
    if (!IsFinite(result)) {
        return Fail(context, finiteMessage ? std::string(finiteMessage)
                                           : kFunctionErrorPrefix + token + kResultErrorSuffix);
    }

    stack.back() = NumberToText(result);
    return true;
}
