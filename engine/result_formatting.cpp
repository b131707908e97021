#include "result_formatting.h"

#include <cmath>
#include <cstdint>

#include "number_rules.h"
#include "settings.h"
#include "text_rules.h"

namespace {

const char kFractionBar[] = "∟";

std::size_t DigitCount(long long value) {
    return NumberToText(static_cast<double>(value)).size();
}

}  // namespace

// Every smaller form of a value is met before its multiples, so the
// fraction found is already in lowest terms.
bool FindFractionByWalk(double f, long long& numerator, long long& denominator) {
    long long n = 1;
    long long d = 2;
    // Digit counts kept by hand: NumberToText in the loop would dominate the
    // up to ten million rounds.
    std::size_t nDigits = 1;
    std::size_t dDigits = 1;
    long long nNext = 10;
    long long dNext = 10;
    for (;;) {
        const double w = static_cast<double>(n) / static_cast<double>(d);
        if (std::fabs(w - f) * 1e12 < 1 - 1e-7) break;
        const double gap = (f - w) * 1e12;
        if (gap < -1e-7) {
            if (++d == dNext) {
                ++dDigits;
                dNext *= 10;
            }
        } else if (gap > 1e-7) {
            if (++n == nNext) {
                ++nDigits;
                nNext *= 10;
            }
        } else {
            break;
        }
        if (nDigits + dDigits >= 9) return false;
    }
    numerator = n;
    denominator = d;
    return true;
}

std::string FormatNumber(const std::string& text, const Settings& settings) {
    const int places = EffectivePrecision(settings);
    const bool grouping = settings.ThousandsSeparator == 1 || settings.ThousandsSeparator == 2;
    std::string result;
    if (settings.RoundLastDigit) {
        const double rounded = RoundToPlaces(TextToNumber(text), places);
        result = FormattedNumberText(TextToNumber(NumberToText(rounded)), -1, grouping);
    } else {
        result = FormattedNumberText(TextToNumber(text), places, grouping);
    }
    if (settings.ThousandsSeparator == 1) result = TextSubstitute(result, ",", ";");
    return result;
}

std::string DecimalToFraction(const std::string& text, int kind, const Settings& settings) {
    const double x = TextToNumber(text);
    const double magnitude = std::fabs(x);
    const std::string sign = x < -kTolerance ? "-" : "";
    const long long whole = IntegerPart(magnitude);
    const double fraction = magnitude - static_cast<double>(whole);

    if (DigitCount(whole) + sign.size() >= 9 || std::fabs(fraction) <= kTolerance) {
        return FormatNumber(text, settings);
    }
    long long n = 0;
    long long d = 0;
    if (!FindFractionByWalk(fraction, n, d)) return FormatNumber(text, settings);

    if (kind == 1) {
        if (DigitCount(whole) + DigitCount(n) + DigitCount(d) >= 7) {
            return FormatNumber(text, settings);
        }
        std::string result = sign;
        if (whole != 0) result += NumberToText(static_cast<double>(whole)) + kFractionBar;
        return result + NumberToText(static_cast<double>(n)) + kFractionBar +
               NumberToText(static_cast<double>(d));
    }
    const long long improper = n + d * whole;
    if (DigitCount(improper) + DigitCount(d) >= 9) return FormatNumber(text, settings);
    return sign + NumberToText(static_cast<double>(improper)) + kFractionBar +
           NumberToText(static_cast<double>(d));
}

std::string ResultText(double x, const std::string& r0, int form, int fractionInput,
                       const Settings& settings) {
    // Values below 1 in magnitude are never written as mixed numbers.
    if (form == 2 && IntegerPart(std::fabs(x)) < 1) form = 0;

    // Power-of-ten results are shown as they are: no places, rounding or grouping.
    TextPos at = TextFind(r0, "e+");
    if (at > 0) return TextReplaceAt(r0, at, 2, "×10^");
    at = TextFind(r0, "e-");
    if (at > 0) return TextReplaceAt(r0, at, 2, "×10^-");

    if (!TextContains(r0, ".") || form == 0 || fractionInput != 1) {
        return FormatNumber(r0, settings);
    }
    if (form == 1) return DecimalToFraction(r0, 0, settings);
    if (form == 2) return DecimalToFraction(r0, 1, settings);
    return r0;
}
