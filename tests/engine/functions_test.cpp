#include "functions.h"

#include <gtest/gtest.h>

#include <sstream>

#include "postfix_evaluation.h"
#include "settings.h"

namespace {

struct Outcome {
    bool ok;
    std::string top;
    FractionInput fractionInput;
    std::string message;
};

Outcome Evaluate(const std::string& text, int angleUnit = 1) {
    std::vector<std::string> postfix;
    std::istringstream in(text);
    for (std::string token; in >> token;) postfix.push_back(token);
    postfix.push_back(" ");
    Settings settings;
    settings.AngleUnit = angleUnit;
    std::vector<std::string> stack;
    EvaluationContext context{stack, settings};
    const bool ok = EvaluatePostfix(postfix, context);
    return {ok, stack.empty() ? "" : stack.back(), context.fractionInput, context.message};
}

TEST(OneArgumentFunctions, Compute) {
    struct Case { const char* postfix; int angleUnit; const char* result; };
    const Case cases[] = {
        {"30 sin", 1, "0.5"},
        {"60 cos", 1, "0.5"},
        {"45 tan", 1, "1"},
        {"90 tan", 1, "1.63312393532e+016"},  // huge, but not an error
        {"1 asin", 1, "90"},
        {"0.5 asin", 1, "30"},
        {"0 acos", 1, "90"},
        {"0.5 acos", 1, "60"},
        {"1 ~ acos", 1, "180"},
        {"1 atan", 1, "45"},
        {"100 sin", 2, "-0.5063656411098"},
        {"1 atan", 2, "0.7853981633974"},
        {"0 acos", 2, "1.570796326795"},
        {"100 sin", 3, "1"},
        {"200 cos", 3, "-1"},
        {"50 tan", 3, "1"},
        {"1 asin", 3, "100"},
        {"0 acos", 3, "100"},
        {"1 atan", 3, "50"},
        {"30 sin", 0, "-0.9880316240929"},  // an unknown unit computes in radians
        {"16 sqr", 1, "4"},
        {"1 tanh", 1, "0.7615941559558"},
        {"3 !", 1, "6"},
        {"150 !", 1, "5.713383956446e+262"},
        {"5.00000005 !", 1, "120"},
        {"1000 lg", 1, "3"},
        {"1 ln", 1, "0"},
        {"4 ~ abs", 1, "4"},
        {"2.7 ~ int", 1, "-2"},
        {"2.9999999999999 int", 1, "3"},
        {"2.9999999999999 ~ int", 1, "-3"},
        {"0.99999999999 int", 1, "0"},
        {"3000000000 int", 1, "3000000000"},
        {"3000000000.7 ~ int", 1, "-3000000000"},
        {"1e20 int", 1, "1e+020"},
        {"50 %", 1, "0.5"},
        {"500 ‰", 1, "0.5"},
        {"709 exp", 1, "8.218407461555e+307"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.postfix) + " unit " + std::to_string(c.angleUnit));
        const Outcome out = Evaluate(c.postfix, c.angleUnit);
        ASSERT_TRUE(out.ok) << out.message;
        EXPECT_EQ(out.top, c.result);
    }
}

TEST(OneArgumentFunctions, RefuseWithTheirOwnMessages) {
    struct Case { const char* postfix; const char* message; };
    const char* const factorial = "  [运算错误]_阶乘的参数必须是一个整数且大于零,小于等于150！";
    const Case cases[] = {
        {"2 asin", "  [运算错误]_正弦值只能在-1～1之间！"},
        {"1.00000005 asin", "  [运算错误]_正弦值只能在-1～1之间！"},
        {"1.5 ~ acos", "  [运算错误]_余弦值只能在-1～1之间！"},
        {"1.00000005 acos", "  [运算错误]_余弦值只能在-1～1之间！"},
        {"4 ~ sqr", "  [运算错误]_平方根运算错误或溢出！"},
        {"710 sinh", "  [运算错误]_sinh函数运算错误！"},
        {"710 cosh", "  [运算错误]_cosh函数运算错误！"},
        {"1000 tanh", "  [运算错误]_tanh函数运算错误！"},
        {"0 !", factorial},
        {"151 !", factorial},
        {"2.5 !", factorial},
        {"3 ~ !", factorial},
        {"1 2 , sin", "  [运算错误]_为sin函数提供过多的参数，函数参数必须为1个！"},
        {"1 2 , ‰", "  [运算错误]_为‰函数提供过多的参数，函数参数必须为1个！"},
        {"~", "  [运算错误]_~函数参数不能为空！"},
        {"!", "  [运算错误]_!函数参数不能为空！"},
        {"lg", "  [运算错误]_lg函数参数不能为空！"},
        // Results that are not finite never reach the stack.
        {"0 ln", "  [运算错误]_ln函数运算错误！"},
        {"1 ~ ln", "  [运算错误]_ln函数运算错误！"},
        {"1000 exp", "  [运算错误]_exp函数运算错误！"},
        {"0 lg", "  [运算错误]_lg函数运算错误！"},
        {"1 ~ lg", "  [运算错误]_lg函数运算错误！"},
        {"1e999 abs", "  [运算错误]_abs函数运算错误！"},
        {"1e999 int", "  [运算错误]_int函数运算错误！"},
        {"1e999 %", "  [运算错误]_%函数运算错误！"},
        {"1e999 ‰", "  [运算错误]_‰函数运算错误！"},
        {"1e999 ~", "  [运算错误]_~函数运算错误！"},
        {"1e999 sin", "  [运算错误]_正弦运算错误或溢出！"},
        {"1e999 cos", "  [运算错误]_余弦运算错误或溢出！"},
        {"1e999 tan", "  [运算错误]_正切运算错误或溢出！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.postfix);
        const Outcome out = Evaluate(c.postfix);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(out.message, c.message);
    }
}

TEST(OneArgumentFunctions, AnEmptyArgumentIsMissingNotTooMany) {
    std::vector<std::string> stack{""};
    Settings settings;
    EvaluationContext context{stack, settings};
    EXPECT_FALSE(ApplyOneArgumentFunction("sqr", context));
    EXPECT_EQ(context.message, "  [运算错误]_sqr函数参数不能为空！");
}

TEST(OneArgumentFunctions, OnlyTheSignKeepsAFraction) {
    EXPECT_EQ(Evaluate("0.5 ~").fractionInput, FractionInput::FractionLiteral);
    EXPECT_EQ(Evaluate("1/2 ~").fractionInput, FractionInput::FractionLiteral);
    EXPECT_EQ(Evaluate("1/2 abs").fractionInput, FractionInput::None);
    EXPECT_EQ(Evaluate("1/2 ~ abs").fractionInput, FractionInput::None);
}

}  // namespace
