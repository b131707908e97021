#include "postfix_conversion.h"

#include <gtest/gtest.h>

#include <sstream>

#include "messages.h"

namespace {

// Tokens written with blanks between them; the end mark is added.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::istringstream in(text);
    for (std::string token; in >> token;) tokens.push_back(token);
    tokens.push_back(" ");
    return tokens;
}

TEST(PostfixConversion, OrdersByPriority) {
    struct Case { const char* tokens; std::vector<std::string> postfix; };
    const Case cases[] = {
        {"1 + 2", {"1", "2", "+"}},
        {"2 * ( 3 + 4 )", {"2", "3", "4", "+", "*"}},
        {"2 + 3 * 4", {"2", "3", "4", "*", "+"}},
        {"sin ( 30 ) + 1", {"30", "sin", "1", "+"}},
        {"sin 30 ^ 2", {"30", "sin", "2", "^"}},
        {"~ 5 + 3", {"5", "~", "3", "+"}},
        {"~ ( 1 + 2 ) ^ 2", {"1", "2", "+", "~", "2", "^"}},
        {"~ 3 !", {"3", "~", "!"}},
        {"3 - 2 - 1", {"3", "2", "-", "1", "-"}},
        {"8 @ 2 \\ 2", {"8", "2", "@", "2", "\\"}},
        {"2 ^ 3 ^ 2", {"2", "3", "^", "2", "^"}},
        {"2 ^ 3 !", {"2", "3", "!", "^"}},
        {"3 | 8", {"3", "8", "|"}},
        {"50 + 10 %", {"50", "10", "%", "+"}},
        {"( 1 , 2 )", {"1", "2", ","}},
        {"max ( 1 , 2 , 3 )", {"1", "2", "3", ",", ",", "max"}},
        {"max ( 1 + 2 , 3 )", {"1", "2", "+", "3", ",", "max"}},
        {".5 + 1", {"0.5", "1", "+"}},
        {"sin /4", {"/4", "sin"}},  // "/4" is a number, so it completes sin's operand
        {"1 +", {"1", "+"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tokens);
        std::vector<std::string> postfix;
        std::string message;
        ASSERT_TRUE(ConvertToPostfix(Tokens(c.tokens), postfix, message));
        std::vector<std::string> expected = c.postfix;
        expected.push_back(" ");
        EXPECT_EQ(postfix, expected);
    }
}

TEST(PostfixConversion, RefusesCommaOutsideBrackets) {
    for (const char* tokens : {"1 , 2", "1 + 2 , 3", "1 + 2 ^ 3 , 4", "( 1 ) , 2"}) {
        SCOPED_TRACE(tokens);
        std::vector<std::string> postfix;
        std::string message;
        EXPECT_FALSE(ConvertToPostfix(Tokens(tokens), postfix, message));
        EXPECT_EQ(message, msg::kCommaMisplaced);
    }
}

}  // namespace
