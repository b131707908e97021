#include "postfix_evaluation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "messages.h"
#include "settings.h"

namespace {

constexpr FractionInput kNone = FractionInput::None;
constexpr FractionInput kLiteral = FractionInput::FractionLiteral;

std::vector<std::string> Postfix(const std::string& text) {
    std::vector<std::string> postfix;
    std::istringstream in(text);
    for (std::string token; in >> token;) postfix.push_back(token);
    postfix.push_back(" ");
    return postfix;
}

struct Evaluation {
    Settings settings;
    std::vector<std::string> stack;
    EvaluationContext context{stack, settings};
    bool ok;
    explicit Evaluation(const std::string& postfix, EvalMode evalMode = EvalMode::Plain) {
        context.evalMode = evalMode;
        ok = EvaluatePostfix(Postfix(postfix), context);
    }
};

TEST(PostfixEvaluation, LeavesOneResultAndItsFractionMark) {
    struct Case { const char* postfix; const char* result; FractionInput fractionInput; };
    const Case cases[] = {
        {"7 10 -", "-3", kNone},
        {"2 3 ^ 2 ^", "64", kNone},
        {"7 2 \\", "3", kNone},
        {"7 ~ 2 \\", "-3", kLiteral},
        {"0.3 0.1 \\", "3", kNone},
        {"10000000000 1 \\", "10000000000", kNone},
        {"3 8 |", "2", kNone},
        {"1 8 ~ |", "-8", kLiteral},
        {"50 10 % +", "50.1", kNone},
        {"3/4", "0.75", kLiteral},
        {"1.5/2", "0.75", kNone},
        {"1/1/2", "1.5", kLiteral},
        {"0/5", "0", kLiteral},
        {"/4", "0", kLiteral},
        {"3//4", "3", kLiteral},
        {"1/3 3 *", "0.9999999999999", kLiteral},
        {"0.5 1/2 +", "1", kNone},  // a decimal keeps the result decimal
        {"007", "007", kNone},
        {"0b", "0b", kNone},
        {"1 2 ,", "1,2", kNone},  // left joined for the result stage to refuse
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.postfix);
        Evaluation run(c.postfix);
        ASSERT_TRUE(run.ok) << run.context.message;
        EXPECT_EQ(run.stack, std::vector<std::string>{c.result});
        EXPECT_EQ(run.context.fractionInput, c.fractionInput);
    }
}

TEST(PostfixEvaluation, StopsAtTheFirstFailure) {
    struct Case { const char* postfix; const char* message; };
    const Case cases[] = {
        {"1.7e308 1.7e308 +", msg::kAddError},
        {"1.7e308 ~ 1.7e308 -", msg::kSubtractError},
        {"1.7e308 10 *", msg::kMultiplyError},
        {"0 0 @", msg::kDivideError},
        {"5 0 \\", msg::kIntegerDivideError},
        {"0 0 \\", msg::kIntegerDivideError},
        {"10 400 ^", msg::kPowerError},
        {"3 8 ~ |", msg::kRootError},
        {"0 8 |", msg::kRootError},
        {"1/0", msg::kZeroDenominator},
        {"1/2/0", msg::kZeroDenominator},
        {"3/", msg::kFractionPieces},
        {"1/2/3/4", msg::kFractionPieces},
        {"1 +", msg::kMissingOperand},
        {"1 ,", msg::kMissingOperand},
        {"1 2 , 3 +", msg::kCommaMisplaced},
        {"3 1 2 , +", msg::kCommaMisplaced},
        {"1 2 foo +", msg::kUnknownOperator},
        {".5", msg::kUnknownOperator},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.postfix);
        Evaluation run(c.postfix);
        EXPECT_FALSE(run.ok);
        EXPECT_EQ(run.context.message, c.message);
    }
}

TEST(PostfixEvaluation, StartsFreshAndHonoursTheSecondFractionPass) {
    Settings settings;
    std::vector<std::string> stack{"left", "over"};
    EvaluationContext context{stack, settings};
    context.fractionInput = kLiteral;
    ASSERT_TRUE(EvaluatePostfix(Postfix("1 2 +"), context));
    EXPECT_EQ(stack, std::vector<std::string>{"3"});
    EXPECT_EQ(context.fractionInput, kNone);

    Evaluation second("1.5", EvalMode::FractionSecondPass);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.context.fractionInput, kLiteral);
}

}  // namespace
