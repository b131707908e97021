#include "postfix_conversion.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "messages.h"
#include "token_text.h"

using namespace std::string_view_literals;

namespace {

const std::string kEndMark = " ";

bool IsPostfixOperator(const std::string& token) {
    return IsTokenOneOf(token, "!%") || token == "‰"sv;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Numbers may carry a fraction bar, so "/4" (from a leading "∟") counts too.
bool IsNumberToken(const std::string& token) {
    if (token.empty()) return false;
    const char first = token[0];
    if (IsDigit(first) || first == '.' || first == '/') return true;
    return (first == '+' || first == '-') && token.size() > 1;
}

bool IsMulDivOrTighter(const std::string& token) {
    return IsTokenOneOf(token, "*@\\^|");
}

bool IsPowerOrRoot(const std::string& token) { return IsTokenOneOf(token, "^|"); }

void MoveTop(std::vector<std::string>& stack, std::vector<std::string>& out) {
    out.push_back(stack.back());
    stack.pop_back();
}

// A prefix name binds only the operand that has just been completed.
void FlushPrefixNames(std::vector<std::string>& stack, std::vector<std::string>& out) {
    while (!stack.empty() && IsPrefixName(stack.back())) MoveTop(stack, out);
}

}  // namespace

bool IsPrefixName(const std::string& token) {
    // Most tokens are numbers and operators: rule them out before comparing names.
    if (token.empty() || token.size() > 4) return false;
    if (token[0] == '~') return token.size() == 1;
    if (token[0] < 'a' || token[0] > 'z') return false;
    static constexpr std::array<std::string_view, 21> kNames = {
        "sin", "cos", "sum", "sinh", "cosh", "tanh", "tjfx", "tan", "sqr", "log", "asin",
        "acos", "atan", "exp", "ln", "if", "lg", "abs", "int", "max", "min"};
    return std::find(kNames.begin(), kNames.end(), std::string_view(token)) != kNames.end();
}

bool ConvertToPostfix(const std::vector<std::string>& tokens, std::vector<std::string>& postfix,
                      std::string& message) {
    std::vector<std::string> stack;
    postfix.clear();
    postfix.reserve(tokens.size());
    for (const std::string& token : tokens) {
        if (IsToken(token, ' ')) break;  // the end mark
        if (IsPrefixName(token)) {
            stack.push_back(token);
        } else if (IsPostfixOperator(token)) {
            postfix.push_back(token);
        } else if (IsNumberToken(token)) {
            postfix.push_back(token[0] == '.' ? "0" + token : token);
            FlushPrefixNames(stack, postfix);
        } else if (IsToken(token, '(')) {
            stack.push_back(token);
        } else if (IsToken(token, ')')) {
            while (!stack.empty() && !IsToken(stack.back(), '(')) MoveTop(stack, postfix);
            if (!stack.empty()) stack.pop_back();
            FlushPrefixNames(stack, postfix);
        } else if (IsTokenOneOf(token, "+-")) {
            while (!stack.empty() && !IsTokenOneOf(stack.back(), "(,"))
                MoveTop(stack, postfix);
            stack.push_back(token);
        } else if (IsTokenOneOf(token, "*@\\")) {
            while (!stack.empty() && IsMulDivOrTighter(stack.back())) MoveTop(stack, postfix);
            stack.push_back(token);
        } else if (IsPowerOrRoot(token)) {
            while (!stack.empty() && IsPowerOrRoot(stack.back())) MoveTop(stack, postfix);
            stack.push_back(token);
        } else if (IsToken(token, ',')) {
            // A comma is only valid inside a bracket: it must find a "(" or an
            // earlier "," without emptying the stack.
            while (true) {
                if (stack.empty()) {
                    message = msg::kCommaMisplaced;
                    return false;
                }
                if (IsTokenOneOf(stack.back(), "(,")) break;
                if (stack.size() == 1) {
                    message = msg::kCommaMisplaced;
                    return false;
                }
                MoveTop(stack, postfix);
            }
            stack.push_back(token);
        }
        // Any other token is skipped.
    }
    while (!stack.empty()) MoveTop(stack, postfix);
    postfix.push_back(kEndMark);
    return true;
}
