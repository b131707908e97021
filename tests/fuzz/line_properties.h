// What evaluating, refreshing or converting the caret line may do to the box
// text, stated from the outside. The fuzzer checks every input against these
// rules and the regression tests reuse them. Header-only, so the GoogleTest
// build and the clang build of the fuzzer compile the same text.
#pragma once

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "number_rules.h"
#include "result_form.h"
#include "settings.h"
#include "text_rules.h"

namespace lineprops {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline bool IsErrorMessage(const std::string& status) {
    return TextStartsWith(status, "  [表达式错误]_") || TextStartsWith(status, "  [运算错误]_") ||
           TextStartsWith(status, "  [分数转换不能完成请求]_");
}

// Every byte of 0x80 and above leads a proper two-byte character, as in
// any text the real edit control holds.
inline bool IsWellFormedGbk(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) continue;
        if (lead == 0x80 || lead == 0xFF || i + 1 >= text.size()) return false;
        const unsigned char trail = static_cast<unsigned char>(text[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    }
    return true;
}

inline bool HasBrokenLineEnds(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) return true;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return true;
    }
    return false;
}

// The line-end repair seen from outside: CRs vanish, LFs become CR LF, tabs
// blanks. Byte by byte, so repairing pieces equals repairing the whole.
inline std::string Repaired(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            out += "\r\n";
        } else {
            out += c == '\t' ? ' ' : c;
        }
    }
    return out;
}

// A line of the text, without its CR LF: [start, end).
struct Span {
    size_t start = 0;
    size_t end = 0;
};

// Offset of the next line break at or after `from`; a CR LF right behind a
// lead byte is part of a broken character, not a line break.
inline size_t NextLineBreak(const std::string& text, size_t from) {
    const TextPos found = TextFind(text, "\r\n", static_cast<TextPos>(from) + 1);
    return found < 0 ? std::string::npos : static_cast<size_t>(found - 1);
}

// The caret's line: a caret between CR and LF still belongs to the line
// before; at the very end of a text that ends in CR LF the empty last line
// does not count.
inline Span CaretLine(const std::string& text, size_t caret) {
    size_t start = 0;
    for (;;) {
        const size_t brk = NextLineBreak(text, start);
        if (brk == std::string::npos) return {start, text.size()};
        if (caret <= brk + 1 || brk + 2 == text.size()) return {start, brk};
        start = brk + 2;
    }
}

inline bool StartsLikeAResult(const std::string& text) {
    if (text.empty()) return false;
    const char c = text[0];
    return IsDigit(c) || c == '.' || c == ';' || c == ',' || text.compare(0, 2, "∟") == 0;
}

// An old result at the front of a later chain piece: a sign, then digits,
// ".", ";", "," and fraction bars, then "×10^" with an exponent that results
// are written with (13 and up, -5 and below). The rest is what the user typed.
inline std::string StripOldResult(const std::string& piece) {
    size_t at = 0;
    if (at < piece.size() && (piece[at] == '-' || piece[at] == '+')) ++at;
    for (;;) {
        if (at < piece.size() && (IsDigit(piece[at]) || piece[at] == '.' || piece[at] == ';' || piece[at] == ',')) {
            ++at;
        } else if (piece.compare(at, 2, "∟") == 0) {
            at += 2;
        } else {
            break;
        }
    }
    const std::string power = "×10^";
    if (piece.compare(at, power.size(), power) == 0) {
        size_t end = at + power.size();
        const size_t from = end;
        if (end < piece.size() && piece[end] == '-') ++end;
        while (end < piece.size() && IsDigit(piece[end])) ++end;
        const double exponent = std::atof(piece.substr(from, end - from).c_str());
        if (exponent >= 13 - 1e-7 || exponent <= -5 + 1e-7) at = end;
    }
    return piece.substr(at);
}

// A continuation typed as "×10^…" joins the result written in front of it
// into one power of ten ("5" and "×10^4444444444444" read back as one old
// result), so it is ambiguous just like one that starts with a digit.
inline const std::string kPowerMark = "×10^";
inline bool StartsWithPowerMark(const std::string& text) { return text.compare(0, kPowerMark.size(), kPowerMark) == 0; }

// What a chain keeps when every result is taken out: the first piece and
// the typed continuations of the later ones, joined. Writing a result behind
// an expression and refreshing a chain both leave it as it was (a piece that
// did not evaluate runs into the next one, so the pieces are not separated).
// A continuation that itself starts like a result (".5" behind an exponent
// no result has, as in "×10^-0888.5") is ambiguous: it runs into a new
// result, or stays when none is written; `ambiguous` says so.
inline std::string ChainSkeleton(const std::string& text, bool& ambiguous) {
    const std::vector<std::string> pieces = TextSplit(text, "=");
    std::string skeleton;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i == 0) {
            skeleton += pieces[i];
            continue;
        }
        const std::string rest = StripOldResult(pieces[i]);
        if (StartsLikeAResult(rest) || StartsWithPowerMark(rest)) ambiguous = true;
        skeleton += rest;
    }
    return skeleton;
}

// A refresh or a written result leaves a line's chain skeleton alone. In
// normal mode the refresh drops the line's blanks, but never the trailing
// ones. In space-split mode each segment between ASCII blanks is a chain of
// its own, refreshed with its full-width blanks (which stop the stripping of
// an old result), but they may move (results go in front of trailing ones)
// and mean nothing.
inline std::string LineSkeleton(const std::string& line, bool spaceSplit, bool& ambiguous) {
    if (!spaceSplit) return ChainSkeleton(TrimAll(line), ambiguous) + "#" + line.substr(TrimRight(line).size());
    std::string skeleton;
    for (const std::string& segment : TextSplit(line, " ")) {
        if (!segment.empty()) skeleton += TrimAll(ChainSkeleton(segment, ambiguous)) + "#";
    }
    return skeleton;
}

// The same two lines keep their skeleton; where a continuation is ambiguous,
// at least everything but the digits, number marks and powers of ten.
// A result that a conversion's second pass writes at the caret may stand
// behind the line's trailing blanks, which then end no longer.
inline bool SameSkeleton(const std::string& oldLine, const std::string& newLine, bool spaceSplit) {
    bool ambiguous = false;
    std::string before = LineSkeleton(oldLine, spaceSplit, ambiguous);
    const std::string after = LineSkeleton(newLine, spaceSplit, ambiguous);
    if (before == after) return true;
    const bool writtenBehindBlanks = !spaceSplit && !newLine.empty() &&
                                     TrimRight(newLine).size() == newLine.size() &&
                                     TrimRight(oldLine).size() < oldLine.size();
    if (writtenBehindBlanks) before.resize(before.rfind('#') + 1);
    if (before == after) return true;
    if (!ambiguous) return false;
    auto withoutNumbers = [](const std::string& text) {
        std::string kept;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "∟") == 0) {
                ++i;
            } else if (StartsWithPowerMark(text.substr(i, kPowerMark.size()))) {
                // The power of ten with its exponent's sign.
                i += kPowerMark.size() - 1;
                if (i + 1 < text.size() && text[i + 1] == '-') ++i;
            } else if (!StartsLikeAResult(text.substr(i, 1))) {
                kept += text[i];
            }
        }
        return kept;
    };
    return withoutNumbers(before) == withoutNumbers(after);
}

// Reads a result text as it is written behind "=": a decimal in the chosen
// places and grouping, a power of ten "m×10^eee", or a fraction "M∟D" /
// "I∟N∟D" in lowest terms within the digit limits. `form` is the fraction
// form the request asked for. Empty string when it reads, with the value it
// shows and how far that may lie from the computed value (places, the 13
// significant digits every stored value has, the fraction search's 1e-12);
// else the fault.
inline std::string ReadResult(const std::string& r, const Settings& settings, ResultForm form, double& value,
                              double& slack) {
    if (r.empty()) return "empty result";
    size_t at = 0;
    const bool negative = r[0] == '-';
    if (negative) ++at;
    const std::string body = r.substr(at);
    auto digitsOnly = [](const std::string& s) {
        if (s.empty()) return false;
        for (char c : s) {
            if (!IsDigit(c)) return false;
        }
        return true;
    };
    const double sign = negative ? -1.0 : 1.0;

    const std::string power = "×10^";
    const size_t powerAt = body.find(power);
    if (powerAt != std::string::npos) {
        const std::string mantissa = body.substr(0, powerAt);
        std::string exponent = body.substr(powerAt + power.size());
        const bool negativeExponent = !exponent.empty() && exponent[0] == '-';
        if (negativeExponent) exponent.erase(0, 1);
        if (exponent.size() != 3 || !digitsOnly(exponent)) return "bad exponent";
        const int e = std::atoi(exponent.c_str());
        if (negativeExponent ? e < 5 : e < 13) return "exponent outside the written range";
        if (mantissa.empty() || mantissa[0] < '1' || mantissa[0] > '9') return "bad mantissa";
        if (mantissa.size() > 1) {
            if (mantissa[1] != '.' || !digitsOnly(mantissa.substr(2))) return "bad mantissa";
            if (mantissa.back() == '0') return "mantissa with trailing zero";
            if (mantissa.size() - 2 > 12) return "more than 13 significant digits";
        }
        value = sign * std::strtod((mantissa + "e" + (negativeExponent ? "-" : "") + exponent).c_str(), nullptr);
        slack = 1e-12 * std::fabs(value);
        return std::string();
    }

    const std::vector<std::string> parts = TextSplit(body, "∟");
    if (parts.size() >= 2) {
        if (parts.size() > 3) return "too many fraction bars";
        for (const std::string& part : parts) {
            if (!digitsOnly(part) || part[0] == '0') return "bad fraction piece";
        }
        size_t digits = 0;
        for (const std::string& part : parts) digits += part.size();
        const long long n = std::atoll(parts[parts.size() - 2].c_str());
        const long long d = std::atoll(parts.back().c_str());
        if (d < 2) return "denominator below 2";
        long long a = n % d;
        long long b = d;
        while (b != 0) {
            const long long t = a % b;
            a = b;
            b = t;
        }
        if (a != 1) return "fraction not in lowest terms";
        if (parts.size() == 2) {
            if (form != ResultForm::ImproperFraction) return "improper fraction not asked for";
            if (digits > 8) return "improper fraction too long";
            value = sign * static_cast<double>(n) / static_cast<double>(d);
        } else {
            if (form != ResultForm::MixedNumber) return "mixed number not asked for";
            if (n >= d) return "mixed number with improper tail";
            if (digits > 6) return "mixed number too long";
            value = sign * (std::atof(parts[0].c_str()) + static_cast<double>(n) / static_cast<double>(d));
        }
        slack = 2e-12 + 1e-12 * std::fabs(value);
        return std::string();
    }

    // A decimal.
    const int places = EffectivePrecision(settings);
    const size_t point = body.find('.');
    const std::string whole = body.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : body.substr(point + 1);
    const char mark = settings.ThousandsSeparator == 1 ? ';' : ',';
    const bool grouping = settings.ThousandsSeparator == 1 || settings.ThousandsSeparator == 2;
    std::string plainWhole;
    if (grouping) {
        const std::vector<std::string> groups = TextSplit(whole, std::string(1, mark));
        if (groups.empty() || whole.back() == mark) return "bad grouping";
        for (size_t i = 0; i < groups.size(); ++i) {
            const size_t size = groups[i].size();
            if (!digitsOnly(groups[i]) || (i == 0 ? size > 3 : size != 3)) return "bad grouping";
            plainWhole += groups[i];
        }
    } else {
        plainWhole = whole;
    }
    if (!digitsOnly(plainWhole)) return "bad digits";
    if (plainWhole.size() > 1 && plainWhole[0] == '0') return "leading zero";
    if (point != std::string::npos && !digitsOnly(fraction)) return "bad decimals";
    if (settings.RoundLastDigit) {
        if (point != std::string::npos && (fraction.back() == '0' || fraction.size() > static_cast<size_t>(places)))
            return "decimals not rounded to the places";
    } else if (places == 0 ? point != std::string::npos : fraction.size() != static_cast<size_t>(places)) {
        return "decimals not padded to the places";
    }
    value = sign * std::strtod((plainWhole + "." + fraction).c_str(), nullptr);
    if (negative && value == 0) return "negative zero";
    slack = 0.5 * std::pow(10.0, -places) + 1e-12 * std::fabs(value) + 1e-300;
    return std::string();
}

}  // namespace lineprops
