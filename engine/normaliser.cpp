#include "normaliser.h"

#include <vector>

#include "messages.h"
#include "settings.h"
#include "text_rules.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

char LastByte(const std::string& text) { return text.empty() ? '\0' : text.back(); }

// A lead byte is a two-byte character only with a real trail byte behind it;
// the end mark never serves as one, so a broken character cannot eat it.
bool HasTrailByte(const std::string& text, size_t lead) {
    if (lead + 1 >= text.size()) return false;
    return !(lead + 2 == text.size() && text[lead + 1] == ' ');
}

// What a two-byte character becomes; false for a Chinese character.
bool AppendSymbol(const std::string& symbol, std::string& out) {
    if (symbol == "×") {
        out += '*';
    } else if (symbol == "÷") {
        out += '@';
    } else if (symbol == "√") {
        out += '|';
    } else if (symbol == "∟") {
        out += '/';
    } else if (symbol == "‰") {
        out += symbol;
    } else if (symbol == "π") {
        const char last = LastByte(out);
        if (last == ')' || last == '.' || IsDigit(last)) out += '*';
        out += "pi";
    } else {
        return false;
    }
    return true;
}

void AppendSeparator(char ch, int thousandsMode, std::string& out) {
    // The mark that groups digits in the chosen mode is dropped; the other
    // one separates arguments.
    if (thousandsMode == 1 && ch == ';') return;
    if (thousandsMode == 2 && ch == ',') return;
    out += ',';
}

struct BracketKind {
    char open;
    char close;
    const char* mismatch;
    const char* missing;
};

// In the order the unclosed brackets are reported.
const BracketKind kBracketKinds[] = {
    {'(', ')', msg::kParenMismatch, msg::kMissingParen},
    {'[', ']', msg::kSquareMismatch, msg::kMissingSquare},
    {'{', '}', msg::kCurlyMismatch, msg::kMissingCurly},
};

// Pushes openers and pops matching closers; false with the message of the
// closer's kind when its opener is not on top.
bool CheckBracket(char ch, std::vector<char>& open, std::string& message) {
    for (const BracketKind& kind : kBracketKinds) {
        if (ch == kind.open) {
            open.push_back(ch);
            return true;
        }
        if (ch == kind.close) {
            if (open.empty() || open.back() != kind.open) {
                message = kind.mismatch;
                return false;
            }
            open.pop_back();
            return true;
        }
    }
    return true;
}

}  // namespace

bool NormaliseSymbols(const std::string& expressionText, const Settings& settings,
                      std::string& normalised, std::string& message) {
    normalised.clear();
    message.clear();
    std::vector<char> open;

    size_t i = 0;
    while (i < expressionText.size()) {
        const char ch = expressionText[i];
        if (IsLeadByte(static_cast<unsigned char>(ch)) && HasTrailByte(expressionText, i)) {
            const std::string symbol = expressionText.substr(i, 2);
            if (!AppendSymbol(symbol, normalised) && !settings.IgnoreChinese) {
                message = msg::kUnknownChinese;
                return false;
            }
            i += 2;
            continue;
        }

        if (ch >= 'a' && ch <= 'z' && ch != 'b') {
            // "0b" stays whole; any other letter after a number multiplies it.
            const char last = LastByte(normalised);
            if (last == '.' || IsDigit(last)) normalised += '*';
        }
        switch (ch) {
        case '[':
        case '{': normalised += '('; break;
        case ']':
        case '}': normalised += ')'; break;
        case ',':
        case ';': AppendSeparator(ch, settings.ThousandsSeparator, normalised); break;
        case '/': normalised += '@'; break;
        default: normalised += ch; break;  // a broken lead byte too: the token scan refuses it
        }
        if (!CheckBracket(ch, open, message)) return false;
        ++i;
    }

    for (const BracketKind& kind : kBracketKinds) {
        for (char opener : open) {
            if (opener == kind.open) {
                message = kind.missing;
                return false;
            }
        }
    }
    return true;
}
