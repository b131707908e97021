#include "number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "text_rules.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Splits x (finite, not zero) into its 13 correctly rounded significant
// digits and the decimal exponent of the first one.
void SignificantDigits(double x, std::string& digits, int& exponent) {
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, 12);
    digits.clear();
    const char* p = buffer;
    for (; p < written.ptr && *p != 'e'; ++p) {
        if (IsDigit(*p)) digits += *p;
    }
    exponent = 0;
    if (p < written.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), written.ptr, exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

std::string ExponentText(int exponent) {
    std::string number = std::to_string(exponent < 0 ? -exponent : exponent);
    while (number.size() < 3) number.insert(0, "0");
    return std::string(exponent < 0 ? "e-" : "e+") + number;
}

// Grouping applies only to plain decimal texts: an optional "-", digits and ".".
bool IsPlainDecimal(const std::string& text) {
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]) && text[i] != '.') return false;
    }
    return true;
}

std::string GroupThousands(const std::string& text) {
    const std::size_t first = (text[0] == '-') ? 1 : 0;
    std::size_t end = text.find('.');
    if (end == std::string::npos) end = text.size();
    std::string result = text;
    // Walk back from the point in steps of three digits, keeping at least
    // one digit in front of every mark.
    for (std::size_t pos = end; pos > first + 3; pos -= 3) {
        result.insert(pos - 3, ",");
    }
    return result;
}

}  // namespace

bool IsFinite(double x) { return std::isfinite(x); }

bool NearlyEqual(double a, double b) { return std::fabs(a - b) <= kTolerance; }

bool NearlyZero(double x) { return std::fabs(x) <= kTolerance; }

std::string NumberToText(double x) {
    if (std::isnan(x)) return "-1.#IND";
    if (std::isinf(x)) return x > 0 ? "1.#INF" : "-1.#INF";
    if (x == 0) return "0";  // also negative zero
    if (std::fabs(x) < 1e13 && std::trunc(x) == x) {
        // Whole numbers below 1e13 have at most 13 digits: written exactly.
        char buffer[24];
        const std::to_chars_result written =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x));
        return std::string(buffer, written.ptr);
    }

    std::string digits;
    int exponent = 0;
    SignificantDigits(x, digits, exponent);

    std::string text;
    text.reserve(24);
    if (x < 0) text += '-';
    if (exponent < -4 || exponent >= 13) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1, std::string::npos);
        }
        return text + ExponentText(exponent);
    }
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        return text + digits;
    }
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
        return text;
    }
    text.append(digits, 0, wholeDigits);
    text += '.';
    text.append(digits, wholeDigits, std::string::npos);
    return text;
}

double TextToNumber(const std::string& text) {
    // Folding matters only when the text holds a two-byte character.
    const bool plain = std::none_of(text.begin(), text.end(),
                                    [](char ch) { return IsLeadByte(static_cast<unsigned char>(ch)); });
    const std::string foldedCopy = plain ? std::string() : ToHalfWidth(text);
    const std::string& folded = plain ? text : foldedCopy;
    const std::size_t size = folded.size();
    std::size_t i = 0;
    while (i < size && folded[i] == ' ') ++i;

    const std::size_t start = i;
    if (i < size && (folded[i] == '+' || folded[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    bool point = false;
    for (; i < size; ++i) {
        if (IsDigit(folded[i])) {
            ++mantissaDigits;
        } else if (folded[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return 0;

    std::size_t end = i;
    if (i < size && (folded[i] == 'e' || folded[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < size && (folded[j] == '+' || folded[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < size && IsDigit(folded[j])) ++j;
        if (j > exponentStart) end = j;
    }
    // Only the validated prefix is converted, so "inf", "nan" and hex forms
    // can never be reached. from_chars takes no "+" and leaves overflow to
    // strtod, which gives the infinity or the tiny value the text means.
    const std::size_t from = folded[start] == '+' ? start + 1 : start;
    double value = 0;
    const std::from_chars_result read = std::from_chars(folded.data() + from, folded.data() + end, value);
    if (read.ec == std::errc::result_out_of_range) {
        return std::strtod(folded.substr(start, end - start).c_str(), nullptr);
    }
    return value;
}

double RoundToPlaces(double x, int places) {
    if (x == 0 || !std::isfinite(x)) return x;
    const bool negative = x < 0;
    const double magnitude = std::fabs(x);
    const double scale = std::pow(10.0, places < 0 ? -places : places);

    double result;
    if (places > 0) {
        const double scaled = magnitude * scale;
        if (!std::isfinite(scaled)) return x;  // too big to have decimals left
        const double nudged = scaled + 1e-12;
        const double whole = std::floor(nudged);
        result = (nudged - whole < 0.5 ? whole : whole + 1) / scale;
    } else if (places < 0) {
        if (!std::isfinite(scale)) return 0;  // every digit is cut away
        const double nudged = magnitude / scale + 1e-12;
        const double whole = std::floor(nudged);
        result = (nudged - whole < 0.5 ? whole : whole + 1) * scale;
    } else {
        const double nudged = magnitude + 1e-12;
        const double whole = std::floor(nudged);
        result = nudged - whole < 0.5 ? whole : whole + 1;
    }
    if (!std::isfinite(result)) return x;
    return negative ? -result : result;
}

std::int32_t IntegerPart(double x) {
    if (!std::isfinite(x)) return 0;
    double whole = std::trunc(x);
    if (std::fabs(x - whole) > 0.999999999999) whole += x < 0 ? -1 : 1;

    // The low 32 bits, computed in floating point so that no conversion of
    // an out-of-range value can occur.
    constexpr double kTwo32 = 4294967296.0;
    double low = std::fmod(whole, kTwo32);
    if (low < 0) low += kTwo32;
    const auto bits = static_cast<std::int64_t>(low);
    return static_cast<std::int32_t>(bits >= 2147483648LL ? bits - 4294967296LL : bits);
}

double IntegerDivide(double x, double divisor) {
    const double quotient = x / divisor;
    if (!std::isfinite(quotient)) return quotient;
    // Cut the quotient as the user would see it: 0.3 / 0.1 is
    // 2.9999999999999996 in binary but "3" in 13 digits.
    return std::trunc(TextToNumber(NumberToText(quotient))) + 0.0;
}

std::string FormattedNumberText(double x, int places, bool thousands) {
    if (places >= 0) x = RoundToPlaces(x, places);
    std::string text = NumberToText(x);

    if (places > 0) {
        const std::size_t point = text.find('.');
        if (point == std::string::npos) {
            text += "." + std::string(static_cast<std::size_t>(places), '0');
        } else {
            const std::size_t decimals = text.size() - point - 1;
            if (decimals < static_cast<std::size_t>(places)) {
                text.append(static_cast<std::size_t>(places) - decimals, '0');
            }
        }
    }
    if (thousands && IsPlainDecimal(text)) text = GroupThousands(text);
    return text;
}
