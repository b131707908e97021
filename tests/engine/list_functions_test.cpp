#include <gtest/gtest.h>

#include <sstream>

#include "functions.h"
#include "messages.h"
#include "postfix_evaluation.h"
#include "settings.h"

namespace {

struct Outcome {
    bool ok;
    std::string top;
    std::string message;
};

// Runs a postfix list written with blanks between the tokens.
Outcome Evaluate(const std::string& text) {
    std::vector<std::string> postfix;
    std::istringstream in(text);
    for (std::string token; in >> token;) postfix.push_back(token);
    postfix.push_back(" ");
    Settings settings;
    std::vector<std::string> stack;
    EvaluationContext context{stack, settings};
    const bool ok = EvaluatePostfix(postfix, context);
    return {ok, stack.empty() ? "" : stack.back(), context.message};
}

TEST(ListFunctions, Compute) {
    struct Case { const char* postfix; const char* result; };
    const Case cases[] = {
        {"2 8 , log", "3"},
        {"10 1000 , log", "3"},
        {"3 1 ~ , 7 , max", "7"},
        {"3 1 ~ , 7 , min", "-1"},
        {"1 2 , 3 , sum", "6"},
        {"5 max", "5"},
        {"5 sum", "5"},
        {"1 2 3 , max , max", "3"},
        {"1 10 , 20 , if", "10"},
        {"2 10 , 20 , if", "20"},
        {"2.7 10 , 20 , 30 , if", "20"},
        {"1 /1/2 , 7 , if", "0.5"},  // the chosen text as it stands on the stack
        // A selector just inside the tolerance still picks a value, never itself.
        {"0.99999995 10 , 20 , if", "10"},
        {"2.00000005 10 , 20 , if", "20"},
        {"1 3 , 1 , 2 , tjfx", "1"},
        {"3 3 , 1 , 2 , tjfx", "2"},
        {"5 1 , 2 , 3 , 4 , tjfx", "2.5"},
        {"9 1 , 2 , 3 , 4 , tjfx", "2.5"},
        {"9 5 , 1 , 3 , tjfx", "3"},
        {"1.9 4 , 5 , tjfx", "4"},
        {"6 2 , 4 , 4 , 4 , 5 , 5 , 7 , 9 , tjfx", "4.571428571429"},
        {"7 2 , 4 , 4 , 4 , 5 , 5 , 7 , 9 , tjfx", "2.138089935299"},
        {"8 2 , 4 , 4 , 4 , 5 , 5 , 7 , 9 , tjfx", "0.7559289460185"},
        {"6 10000000001 , 10000000002 , 10000000003 , tjfx", "1"},
        {"6 0.1 , 0.1 , 0.1 , tjfx", "0"},
        {"1 5 , tjfx", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.postfix);
        const Outcome out = Evaluate(c.postfix);
        ASSERT_TRUE(out.ok) << out.message;
        EXPECT_EQ(out.top, c.result);
    }
}

TEST(ListFunctions, RefuseWithTheirOwnMessages) {
    struct Case { const char* postfix; const char* message; };
    const char* const logCount = "  [运算错误]_求log函数参数数量必须为2！";
    const char* const ifSelector = "  [运算错误]_求if函数第一个参数错误！";
    const char* const tjfxRange = "  [运算错误]_求tjfx函数的定义参数超出范围！";
    const Case cases[] = {
        {"8 log", logCount},
        {"2 4 , 8 , log", logCount},
        {"3 10 , 20 , if", ifSelector},
        {"0 10 , 20 , if", ifSelector},
        {"2.0000002 10 , 20 , if", ifSelector},
        {"1 if", ifSelector},
        {"10 1 , 2 , tjfx", tjfxRange},
        {"0 1 , 2 , tjfx", tjfxRange},
        {"0.9 1 , 2 , tjfx", tjfxRange},
        {"1e300 1 , 2 , tjfx", tjfxRange},
        {"1e999 1 , 2 , tjfx", tjfxRange},
        {"5 tjfx", "  [运算错误]_求tjfx函数参数数量必须大于等于2！"},
        {"log", "  [运算错误]_求log函数参数不能为空！"},
        {"tjfx", "  [运算错误]_求tjfx函数参数不能为空！"},
        {"2 asinh", msg::kUnknownOperator},
        // Results that are not finite never reach the stack.
        {"1 5 , log", "  [运算错误]_log函数运算错误！"},
        {"2 0 , log", "  [运算错误]_log函数运算错误！"},
        {"2 ~ 8 , log", "  [运算错误]_log函数运算错误！"},
        {"6 5 , tjfx", "  [运算错误]_求tjfx函数运算错误！"},
        {"8 5 , tjfx", "  [运算错误]_求tjfx函数运算错误！"},
        {"1e308 1e308 , sum", "  [运算错误]_求sum函数运算错误！"},
        {"1e999 1 , max", "  [运算错误]_求max函数运算错误！"},
        {"-1e999 1 , min", "  [运算错误]_求min函数运算错误！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.postfix);
        const Outcome out = Evaluate(c.postfix);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(out.message, c.message);
    }
}

TEST(ListFunctions, ASingleValueKeepsItsSpreadlessStatistics) {
    // Only the output asked for must be finite.
    for (const char* postfix : {"2 5 , tjfx", "5 5 , tjfx", "9 5 , tjfx", "5 min"}) {
        SCOPED_TRACE(postfix);
        const Outcome out = Evaluate(postfix);
        EXPECT_TRUE(out.ok) << out.message;
        EXPECT_EQ(out.top, "5");
    }
}

TEST(ListFunctions, AnEmptyListIsRefusedForEveryName) {
    for (const char* name : {"log", "max", "min", "sum", "if", "tjfx"}) {
        SCOPED_TRACE(name);
        std::vector<std::string> stack{"1", ""};
        Settings settings;
        EvaluationContext context{stack, settings};
        EXPECT_FALSE(ApplyListFunction(name, context));
        EXPECT_EQ(context.message, std::string("  [运算错误]_求") + name + "函数参数不能为空！");
        EXPECT_EQ(stack.size(), 2u);
    }
}

TEST(ListFunctions, EveryListResultIsShownAsADecimal) {
    std::vector<std::string> postfix{"/1/2", "/1/3", ",", "sum", " "};
    Settings settings;
    std::vector<std::string> stack;
    EvaluationContext context{stack, settings};
    ASSERT_TRUE(EvaluatePostfix(postfix, context));
    EXPECT_EQ(stack.back(), "0.8333333333333");
    EXPECT_EQ(context.fractionInput, FractionInput::None);
}

}  // namespace
