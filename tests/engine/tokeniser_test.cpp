#include "tokeniser.h"

#include <gtest/gtest.h>

#include <sstream>

#include "messages.h"
#include "number_scan.h"

namespace {

const std::string kPi = "3.1415926535897932384";
const std::string kE = "2.718281828459045";

// Blank-separated tokens; PI and E stand for the constants, the end token is added.
std::vector<std::string> Tokens(const std::string& spaced) {
    std::vector<std::string> tokens;
    std::istringstream in(spaced);
    for (std::string token; in >> token;) tokens.push_back(token == "PI" ? kPi : token == "E" ? kE : token);
    tokens.push_back(" ");
    return tokens;
}

struct Case {
    std::string text;      // normalised, with its end mark
    std::string expected;  // tokens, or the message
};

TEST(Tokeniser, CutsTokens) {
    const Case cases[] = {
        {"2*(3+4) ", "2 * ( 3 + 4 )"},  {"-2^2 ", "~ 2 ^ 2"},         {"3|8 ", "3 | 8"},
        {"|9 ", "sqr 9"},               {"4+|27 ", "4 + sqr 27"},     {"(3)|8 ", "( 3 ) | 8"},
        {"sinh(1) ", "sinh ( 1 )"},     {"log(2,8) ", "log ( 2 , 8 )"}, {"pi ", "PI"},
        {"e ", "E"},                    {"1+2= ", "1 + 2"},           {"+5 ", "5"},
        {"2(3) ", "2 * ( 3 )"},         {"(1+1)(3) ", "( 1 + 1 ) * ( 3 )"},
        {"e(2) ", "E * ( 2 )"},         {"pi(2) ", "PI * ( 2 )"},     {"sin(2) ", "sin ( 2 )"},
        {"2*sin30 ", "2 * sin 30"},     {".5+1 ", ".5 + 1"},          {"3@4 ", "3 @ 4"},
        {"3/4 ", "3/4"},                {"1/2/3 ", "1/2/3"},          {"1.5/2 ", "1.5/2"},
        {"0b101 ", "0b 101"},           {"0B1 ", "0b 1"},             {"5‰+7\\2 ", "5 ‰ + 7 \\ 2"},
        {"3!*5% ", "3 ! * 5 %"},        {"exp1+e ", "exp 1 + E"},     {"1;2 ", "1 2"},
        {"tjfx(1,2)+if(1,2) ", "tjfx ( 1 , 2 ) + if ( 1 , 2 )"},
        {"asin1*acos1*atan1 ", "asin 1 * acos 1 * atan 1"},
        {"cosh1*tanh1*cos1*tan1 ", "cosh 1 * tanh 1 * cos 1 * tan 1"},
        {"sum1*sqr1*abs1*int1 ", "sum 1 * sqr 1 * abs 1 * int 1"},
        {"max1*min1*lg1*ln1 ", "max 1 * min 1 * lg 1 * ln 1"},
        {"1+2", "1 + 2"},  // no end mark: the text's end ends the scan
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TokeniseOutcome outcome = Tokenise(c.text);
        EXPECT_EQ(outcome.status, TokeniseStatus::Ok) << outcome.message;
        EXPECT_EQ(outcome.tokens, Tokens(c.expected));
    }
}

TEST(Tokeniser, MissingOperatorsAndPoints) {
    const Case cases[] = {
        {"(2)3 ", msg::kMissingOperatorAfterBracket},  {"(1)sin30 ", msg::kMissingOperatorAfterBracket},
        {"(1).5 ", msg::kMissingOperatorAfterBracket}, {"(1)2.2.2 ", msg::kMissingOperatorAfterBracket},
        {"e2 ", msg::kMissingOperator},   {"5%3 ", msg::kMissingOperator},   {"3!2 ", msg::kMissingOperator},
        {"pi2 ", msg::kMissingOperator},  {"5‰3 ", msg::kMissingOperator},   {"1*e5 ", msg::kMissingOperator},
        {"pix ", msg::kMissingOperator},  {"esin1 ", msg::kMissingOperator},
        {"1.2.3 ", msg::kTooManyPoints},  {"1.5/2.5 ", msg::kTooManyPoints},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TokeniseOutcome outcome = Tokenise(c.text);
        EXPECT_EQ(outcome.status, TokeniseStatus::Failed);
        EXPECT_EQ(outcome.message, c.expected);
    }
}

TEST(Tokeniser, UnrecognisedCharactersAreLeftToTheCaller) {
    const std::string cases[] = {"sinx ", "sqrt ", "asinh ", "2*x ", "SIN30 ", "10b ", "米 ",
                                 "1+\xB0 ", "1+\xB0", "\xA1 "};
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        const TokeniseOutcome outcome = Tokenise(text);
        EXPECT_EQ(outcome.status, TokeniseStatus::Unrecognised);
        EXPECT_EQ(outcome.message, msg::kUnknownCharacter);
    }
}

TEST(Tokeniser, SignPass) {
    const Case cases[] = {
        {"-5 ", "~ 5"},            {"(-5) ", "( ~ 5 )"},          {"3*-8 ", "3 * ~ 8"},
        {"2^-2 ", "2 ^ ~ 2"},      {"max(1,-2) ", "max ( 1 , ~ 2 )"}, {"sin-30 ", "sin ~ 30"},
        {"-pi ", "~ PI"},          {"-(1+2) ", "~ ( 1 + 2 )"},     {"0b-1 ", "0b ~ 1"},
        {"2@-3 ", "2 @ ~ 3"},      {"2|-8 ", "2 | ~ 8"},           {"7\\-2 ", "7 \\ ~ 2"},
        {"1+-2 ", "1 + ~ 2"},      {"1-+2 ", "1 - 2"},             {"2*+(3) ", "2 * ( 3 )"},
        {"-.5 ", "- .5"},          {"-sin30 ", "- sin 30"},        {"--2 ", "- ~ 2"},
        {"5%-2 ", "5 % - 2"},      {"3!-2 ", "3 ! - 2"},           {"5‰-2 ", "5 ‰ - 2"},
        {"(1)-2 ", "( 1 ) - 2"},   {"1-2 ", "1 - 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Tokenise(c.text).tokens, Tokens(c.expected));
    }
    // A list cut short has nothing after its last sign to look at.
    EXPECT_EQ(ApplySignPass({"1", "-"}), (std::vector<std::string>{"1", "-"}));
}

TEST(NumberScan, MatchesOnlyAtCharacterStarts) {
    EXPECT_TRUE(PrecededBy("ae2", 2, "e"));
    EXPECT_FALSE(PrecededBy("乪2", 2, "e"));    // 乪 is 81 65: "e" is its trail byte
    EXPECT_TRUE(PrecededBy("乪e2", 3, "e"));
    EXPECT_FALSE(PrecededBy("乸i2", 3, "pi"));  // 乸 is 81 70
    EXPECT_TRUE(PrecededBy("乸pi2", 4, "pi"));
    EXPECT_TRUE(PrecededBy("5‰3", 3, "‰"));
    EXPECT_FALSE(PrecededBy("e", 0, "e"));

    std::vector<std::string> tokens;
    std::string message;
    EXPECT_EQ(ScanNumberRun("x12.5/3+1 ", 1, tokens, message), 7);
    EXPECT_EQ(tokens, (std::vector<std::string>{"12.5/3"}));
}

}  // namespace
