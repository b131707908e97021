#include "tokeniser.h"

#include "messages.h"
#include "token_text.h"
#include "number_scan.h"

namespace {

// Four-letter names first, so "sinh" is not "sin" and an "h".
const char* const kFourLetterNames[] = {"asin", "sinh", "acos", "cosh", "atan", "tanh", "tjfx"};
const char* const kThreeLetterNames[] = {"sin", "cos", "sum", "tan", "sqr", "log",
                                         "exp", "abs", "int", "max", "min"};
const char* const kTwoLetterNames[] = {"lg", "ln", "if"};

// Tokens after which "+" or "-" has no left operand and so is a sign.
const char kSignContexts[] = "*,@^-+|(\\";

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsLowerLetter(char ch) { return ch >= 'a' && ch <= 'z'; }

class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text), size_(static_cast<TextPos>(text.size())) {}

    TokeniseStatus Run(std::vector<std::string>& tokens, std::string& message);

private:
    char At(TextPos offset) const { return offset < size_ ? text_[offset] : '\0'; }
    bool MatchesAt(TextPos offset, const char* name) const {
        return text_.compare(static_cast<size_t>(offset), std::char_traits<char>::length(name), name) == 0;
    }
    // The character before `offset` when it is a one-byte character.
    char CharBefore(TextPos offset) const {
        if (offset <= 0) return '\0';
        const char before = text_[offset - 1];
        return PrecededBy(text_, offset, std::string_view(&before, 1)) ? before : '\0';
    }
    // Returns the length of the name at `offset`, 0 when none is there.
    template <size_t N>
    TextPos NameAt(TextPos offset, const char* const (&names)[N], std::vector<std::string>& tokens) const {
        for (const char* name : names) {
            if (MatchesAt(offset, name)) {
                tokens.push_back(name);
                return static_cast<TextPos>(std::char_traits<char>::length(name));
            }
        }
        return 0;
    }

    const std::string& text_;
    const TextPos size_;
};

TokeniseStatus Scanner::Run(std::vector<std::string>& tokens, std::string& message) {
    TextPos i = 0;
    while (i < size_ && text_[i] != ' ') {
        const char ch = text_[i];
        if (ch == '0' && (At(i + 1) == 'b' || At(i + 1) == 'B')) {
            // What follows "0b" is scanned as ordinary tokens.
            tokens.push_back("0b");
            i += 2;
            continue;
        }
        if (IsNumberChar(ch)) {
            i = ScanNumberRun(text_, i, tokens, message);
            if (i < 0) return TokeniseStatus::Failed;
            continue;
        }
        switch (ch) {
        case ')': {
            const char next = At(i + 1);
            if (IsLowerLetter(next) || next == '.' || IsDigit(next)) {
                message = msg::kMissingOperatorAfterBracket;
                return TokeniseStatus::Failed;
            }
            tokens.push_back(")");
            ++i;
            continue;
        }
        case '(': {
            // 2(3), (1+1)(3), e(2), pi(2): the bracket multiplies.
            const char before = CharBefore(i);
            if (IsDigit(before) || before == ')' || before == 'e' || PrecededBy(text_, i, "pi")) {
                tokens.push_back("*");
            }
            tokens.push_back("(");
            ++i;
            continue;
        }
        case '+': case '-': case '*': case '@':
        case '^': case '!': case '\\': case '%': case ',':
            tokens.push_back(std::string(1, ch));
            ++i;
            continue;
        case '=': case ';':
            ++i;
            continue;
        case '|': {
            // A root index before it makes it the two-operand root; else a square root.
            const char before = CharBefore(i);
            tokens.push_back(IsDigit(before) || before == ')' ? "|" : "sqr");
            ++i;
            continue;
        }
        default: break;
        }
        if (TextPos length = NameAt(i, kFourLetterNames, tokens); length > 0) {
            i += length;
            continue;
        }
        if (TextPos length = NameAt(i, kThreeLetterNames, tokens); length > 0) {
            i += length;
            continue;
        }
        if (MatchesAt(i, "pi") || ch == 'e') {
            const TextPos length = ch == 'e' ? 1 : 2;
            if (IsLowerLetter(At(i + length))) {
                message = msg::kMissingOperator;
                return TokeniseStatus::Failed;
            }
            tokens.push_back(ch == 'e' ? kEText : kPiText);
            i += length;
            continue;
        }
        if (TextPos length = NameAt(i, kTwoLetterNames, tokens); length > 0) {
            i += length;
            continue;
        }
        if (MatchesAt(i, "‰")) {
            tokens.push_back("‰");
            i += 2;
            continue;
        }
        message = msg::kUnknownCharacter;
        return TokeniseStatus::Unrecognised;
    }
    tokens.push_back(" ");
    return TokeniseStatus::Ok;
}

bool StartsOperand(const std::string& token) {
    return IsToken(token, '(') || (!token.empty() && IsDigit(token[0]));
}

bool AllowsSign(const std::string& previous) {
    if (IsTokenOneOf(previous, kSignContexts)) return true;
    // Function names and "0b" take their argument directly.
    return !previous.empty() && IsLowerLetter(previous.back());
}

}  // namespace

TokeniseOutcome Tokenise(const std::string& normalised) {
    TokeniseOutcome outcome;
    std::vector<std::string> scanned;
    scanned.reserve(normalised.size() + 1);
    outcome.status = Scanner(normalised).Run(scanned, outcome.message);
    if (outcome.status == TokeniseStatus::Ok) outcome.tokens = ApplySignPass(scanned);
    return outcome;
}

std::vector<std::string> ApplySignPass(const std::vector<std::string>& scanned) {
    std::vector<std::string> result;
    result.reserve(scanned.size());
    for (size_t k = 0; k < scanned.size(); ++k) {
        const std::string& token = scanned[k];
        const bool isSign = IsTokenOneOf(token, "+-") && k + 1 < scanned.size() &&
                            StartsOperand(scanned[k + 1]) && (k == 0 || AllowsSign(scanned[k - 1]));
        if (!isSign) {
            result.push_back(token);
        } else if (IsToken(token, '-')) {
            result.push_back("~");
        }
    }
    return result;
}
