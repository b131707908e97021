// The list functions log, max, min, sum, if and tjfx. Their arguments arrive
// as one list text on the top of the operand stack ("1,2,3", joined by the
// "," operator) and are split again here.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "functions.h"
#include "messages.h"
#include "number_rules.h"
#include "postfix_evaluation.h"
#include "statistics.h"
#include "text_rules.h"

using namespace std::string_view_literals;

namespace {

const char* const kErrorPrefix = "  [运算错误]_";
const char* const kListErrorPrefix = "  [运算错误]_求";
const char* const kEmptyArgumentSuffix = "函数参数不能为空！";
const char* const kResultErrorSuffix = "函数运算错误！";
const char* const kLogCount = "  [运算错误]_求log函数参数数量必须为2！";
const char* const kIfSelector = "  [运算错误]_求if函数第一个参数错误！";
const char* const kTjfxCount = "  [运算错误]_求tjfx函数参数数量必须大于等于2！";
const char* const kTjfxType = "  [运算错误]_求tjfx函数的定义参数超出范围！";

constexpr int kMinimumType = 1;
constexpr int kMaximumType = 2;
constexpr int kSumType = 4;

bool Fail(EvaluationContext& context, const std::string& message) {
    context.message = message;
    return false;
}

bool Push(EvaluationContext& context, double result, const std::string& failure) {
    if (!IsFinite(result)) return Fail(context, failure);
    context.operandStack.back() = NumberToText(result);
    return true;
}

bool Logarithm(const std::vector<std::string>& pieces, EvaluationContext& context) {
    if (pieces.size() != 2) return Fail(context, kLogCount);
    const double result = std::log(TextToNumber(pieces[1])) / std::log(TextToNumber(pieces[0]));
    return Push(context, result, std::string(kErrorPrefix) + "log" + kResultErrorSuffix);
}

// A choice by position: if(k, v1, ..., vm) gives vk as written, a fractional
// k counting by its whole part.
bool Choose(const std::vector<std::string>& pieces, EvaluationContext& context) {
    const double k = TextToNumber(pieces[0]);
    const double count = static_cast<double>(pieces.size() - 1);
    if (k - count > kTolerance || k - 1.0 < -kTolerance) return Fail(context, kIfSelector);
    // A k just below 1 (within the tolerance) must still pick a value, never
    // the selector itself; likewise just above the count.
    double position = std::trunc(k + 1.0);
    position = std::max(2.0, std::min(position, count + 1.0));
    context.operandStack.back() = pieces[static_cast<std::size_t>(position) - 1];
    return true;
}

bool Summarise(const std::string& name, const std::vector<std::string>& values, int type,
               EvaluationContext& context) {
    const std::optional<double> result = Statistics(values, type);
    const std::string failure = std::string(kListErrorPrefix) + name + kResultErrorSuffix;
    if (!result) return Fail(context, failure);
    return Push(context, *result, failure);
}

bool StatisticsOfList(const std::vector<std::string>& pieces, EvaluationContext& context) {
    if (pieces.size() < 2) return Fail(context, kTjfxCount);
    // Compared as a double: a huge type must not be converted to int.
    const double type = std::trunc(TextToNumber(pieces[0]));
    if (!(type >= kFirstStatisticsType && type <= kLastStatisticsType))
        return Fail(context, kTjfxType);
    const std::vector<std::string> values(pieces.begin() + 1, pieces.end());
    return Summarise("tjfx", values, static_cast<int>(type), context);
}

}  // namespace

bool IsListFunction(const std::string& token) {
    return token == "log"sv || token == "max"sv || token == "min"sv || token == "if"sv ||
           token == "tjfx"sv || token == "sum"sv;
}

bool ApplyListFunction(const std::string& token, EvaluationContext& context) {
    if (!IsListFunction(token)) return Fail(context, msg::kUnknownOperator);
    std::vector<std::string>& stack = context.operandStack;
    const std::string empty = std::string(kListErrorPrefix) + token + kEmptyArgumentSuffix;
    if (stack.empty()) return Fail(context, empty);
    const std::vector<std::string> pieces = TextSplit(stack.back());
    if (pieces.empty()) return Fail(context, empty);

    if (token == "log"sv) return Logarithm(pieces, context);
    if (token == "if"sv) return Choose(pieces, context);
    if (token == "tjfx"sv) return StatisticsOfList(pieces, context);
    const int type = token == "max"sv ? kMaximumType : token == "min"sv ? kMinimumType : kSumType;
    return Summarise(token, pieces, type, context);
}
