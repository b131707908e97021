#include "setting_values.h"

#include <cmath>
#include <cstdlib>
#include <limits>

bool BoolFromSetting(const std::string& text) { return text == "真"; }

std::string BoolToSetting(bool value) { return value ? "真" : "假"; }

namespace {

// One character of the text as the ASCII byte a number reader sees:
// full-width digits, signs and the point fold to ASCII, the full-width
// space to a blank; any other two-byte character gives 0.
struct NumberChar {
    char ascii;
    std::size_t size;
};

NumberChar NumberCharAt(const std::string& text, std::size_t i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return {static_cast<char>(lead), 1};
    if (i + 1 >= text.size()) return {0, 1};
    const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3) {
        if (trail >= 0xB0 && trail <= 0xB9) return {static_cast<char>('0' + (trail - 0xB0)), 2};
        if (trail == 0xAB) return {'+', 2};
        if (trail == 0xAD) return {'-', 2};
        if (trail == 0xAE) return {'.', 2};
    }
    if (lead == 0xA1 && trail == 0xA1) return {' ', 2};
    return {0, 2};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of a setting, folded to ASCII.
struct ScannedNumber {
    bool negative = false;
    std::string whole;     // digits before the point
    std::string fraction;  // digits after it
    std::string exponent;  // "" or a sign and digits
};

ScannedNumber ScanNumber(const std::string& text) {
    ScannedNumber number;
    std::size_t i = 0;
    auto peek = [&]() { return i < text.size() ? NumberCharAt(text, i) : NumberChar{0, 0}; };

    NumberChar c = peek();
    while (c.ascii == ' ' || c.ascii == '\t') {
        i += c.size;
        c = peek();
    }
    if (c.ascii == '+' || c.ascii == '-') {
        number.negative = c.ascii == '-';
        i += c.size;
        c = peek();
    }
    while (IsDigit(c.ascii)) {
        number.whole += c.ascii;
        i += c.size;
        c = peek();
    }
    if (c.ascii == '.') {
        i += c.size;
        c = peek();
        while (IsDigit(c.ascii)) {
            number.fraction += c.ascii;
            i += c.size;
            c = peek();
        }
    }
    if (number.whole.empty() && number.fraction.empty()) return {};
    // The exponent counts only with at least one digit: "1e" and "1e+" read 1.
    if (c.ascii == 'e' || c.ascii == 'E') {
        std::size_t j = i + c.size;
        std::string exponent;
        NumberChar e = j < text.size() ? NumberCharAt(text, j) : NumberChar{0, 0};
        if (e.ascii == '+' || e.ascii == '-') {
            exponent += e.ascii;
            j += e.size;
            e = j < text.size() ? NumberCharAt(text, j) : NumberChar{0, 0};
        }
        bool anyDigit = false;
        while (IsDigit(e.ascii)) {
            anyDigit = true;
            exponent += e.ascii;
            j += e.size;
            e = j < text.size() ? NumberCharAt(text, j) : NumberChar{0, 0};
        }
        if (anyDigit) number.exponent = exponent;
    }
    return number;
}

// The whole digits as an integer, exactly (a double would lose the low
// digits of a large count), held to the int64 range. Without an exponent,
// cutting toward zero just drops the fraction.
std::int64_t WholePart(const ScannedNumber& number) {
    constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;
    std::uint64_t magnitude = 0;
    for (char digit : number.whole) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
        if (magnitude >= kLimit) {
            magnitude = kLimit;
            break;
        }
    }
    if (number.negative) {
        return magnitude == kLimit ? std::numeric_limits<std::int64_t>::min()
                                   : -static_cast<std::int64_t>(magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<std::int64_t>::max()
                               : static_cast<std::int64_t>(magnitude);
}

double WithExponent(const ScannedNumber& number) {
    const std::string ascii = (number.negative ? "-" : "") + (number.whole.empty() ? "0" : number.whole) +
                              "." + number.fraction + "e" + number.exponent;
    // Only digits, one point and an exponent: no locale-dependent form,
    // no hex or "inf" can reach strtod. Overflow gives an infinity.
    return std::strtod(ascii.c_str(), nullptr);
}

}  // namespace

std::int32_t SaturatedInt32(double value) {
    if (std::isnan(value)) return 0;
    const double cut = std::trunc(value);
    if (cut >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (cut <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(cut);
}

std::int64_t SaturatedInt64(double value) {
    if (std::isnan(value)) return 0;
    const double cut = std::trunc(value);
    // 2^63 is the first double beyond the range; -2^63 is exactly its minimum.
    if (cut >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
    if (cut <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(cut);
}

std::int64_t Int64FromSetting(const std::string& text) {
    const ScannedNumber number = ScanNumber(text);
    if (!number.exponent.empty()) return SaturatedInt64(WithExponent(number));
    return WholePart(number);
}

std::int32_t Int32FromSetting(const std::string& text) {
    const std::int64_t wide = Int64FromSetting(text);
    if (wide > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (wide < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(wide);
}

std::string IntToSetting(std::int64_t value) { return std::to_string(value); }
