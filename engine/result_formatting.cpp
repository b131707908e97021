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

// Why the descent finds what the walk finds:
// - The walk's test reads only the double N/D, and every step of it is
//   monotone, so it splits the fractions by value into three ranges: "low"
//   (N grows), "found", "high" (D grows), in that order.
// - N grows only while low and D only while high, so on reaching D the walk
//   goes to the least N whose N/D is not low, and stops there if that is
//   found: it stops at the least D >= 2 for which some N/D is found, with the
//   least such N.
// - N and D never shrink along the walk, so their digit count only grows:
//   the walk gives up exactly when that fraction has nine digits or more, or
//   when there is none.
// - The least denominator within a range of fractions is what a
//   Stern-Brocot descent meets first; runs of steps toward one side are
//   jumped by doubling and halving, which the monotone test allows.
// - A whole number p found first stands for the walk's D = 2: (2p-1)/2 when
//   that is found already, else 2p/2.

enum class Side { Low, Found, High };

// The walk's own test, expression for expression: the last digit of every
// floating-point step counts.
Side CompareFraction(double f, long long n, long long d) {
    const double w = static_cast<double>(n) / static_cast<double>(d);
    if (std::fabs(w - f) * 1e12 < 1 - 1e-7) return Side::Found;
    const double gap = (f - w) * 1e12;
    if (gap < -1e-7) return Side::High;
    if (gap > 1e-7) return Side::Low;
    return Side::Found;  // only for a NaN
}

int Digits(long long value) {
    int digits = 1;
    for (; value >= 10; value /= 10) ++digits;
    return digits;
}

bool WithinDigitLimit(long long n, long long d) { return Digits(n) + Digits(d) < 9; }

// The largest k for which holds(k); holds(1) is known and holds is true up
// to some k and false from there on.
template <typename Predicate>
long long LongestRun(Predicate holds) {
    long long yes = 1;
    long long no = 2;
    while (holds(no)) {
        yes = no;
        no *= 2;
    }
    while (no - yes > 1) {
        const long long mid = yes + (no - yes) / 2;
        (holds(mid) ? yes : no) = mid;
    }
    return yes;
}

}  // namespace

bool FindFraction(double f, long long& numerator, long long& denominator) {
    // a/b lies low, c/d high; every fraction between them has a numerator of
    // at least a + c and a denominator of at least b + d.
    long long a = 0, b = 1, c = 1, d = 0;
    long long n = 0, m = 0;
    for (;;) {
        n = a + c;
        m = b + d;
        if (!WithinDigitLimit(n, m)) return false;
        const Side side = CompareFraction(f, n, m);
        if (side == Side::Found) break;
        if (side == Side::Low) {
            const long long steps = LongestRun([&](long long k) {
                return WithinDigitLimit(a + k * c, b + k * d) &&
                       CompareFraction(f, a + k * c, b + k * d) == Side::Low;
            });
            a += steps * c;
            b += steps * d;
        } else {
            const long long steps = LongestRun([&](long long k) {
                return WithinDigitLimit(k * a + c, k * b + d) &&
                       CompareFraction(f, k * a + c, k * b + d) == Side::High;
            });
            c += steps * a;
            d += steps * b;
        }
    }
    if (m == 1) {
        // (n-1)/1 was low, so nothing below (2n-1)/2 can be found.
        m = 2;
        n = CompareFraction(f, 2 * n - 1, 2) == Side::Found ? 2 * n - 1 : 2 * n;
        if (!WithinDigitLimit(n, m)) return false;
    }
    numerator = n;
    denominator = m;
    return true;
}

std::string FormatNumber(const std::string& text, const Settings& settings) {
    const int places = EffectivePrecision(settings);
    const bool grouping = settings.ThousandsSeparator == 1 || settings.ThousandsSeparator == 2;
    std::string result;
    if (settings.RoundLastDigit) {
        const double rounded = RoundToPlaces(TextToNumber(text), places);
        result = NumberToText(rounded);
        // A 13-digit text read back and written again is the same text, so
        // only grouping (or a non-finite text, which reads back as another
        // number) needs the second pass.
        if (grouping || !IsFinite(rounded)) {
            result = FormattedNumberText(TextToNumber(result), -1, grouping);
        }
    } else {
        result = FormattedNumberText(TextToNumber(text), places, grouping);
    }
    if (settings.ThousandsSeparator == 1) result = TextSubstitute(result, ",", ";");
    return result;
}

std::string DecimalToFraction(const std::string& text, ResultForm form, const Settings& settings) {
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
    if (!FindFraction(fraction, n, d)) return FormatNumber(text, settings);
    // A fraction part within the tolerance below a whole one is found as
    // d∟d: no fraction to show, like one within the tolerance above zero.
    if (n >= d) return FormatNumber(text, settings);

    if (form == ResultForm::MixedNumber) {
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

std::string ResultText(double x, const std::string& r0, ResultForm form, FractionInput fractionInput,
                       const Settings& settings) {
    // Values below 1 in magnitude are never written as mixed numbers.
    if (form == ResultForm::MixedNumber && IntegerPart(std::fabs(x)) < 1) form = ResultForm::Decimal;

    // Power-of-ten results are shown as they are: no places, rounding or grouping.
    TextPos at = TextFind(r0, "e+");
    if (at > 0) return TextReplaceAt(r0, at, 2, "×10^");
    at = TextFind(r0, "e-");
    if (at > 0) return TextReplaceAt(r0, at, 2, "×10^-");

    if (!TextContains(r0, ".") || form == ResultForm::Decimal || fractionInput != FractionInput::FractionLiteral) {
        return FormatNumber(r0, settings);
    }
    if (form == ResultForm::ComputedText) return r0;
    return DecimalToFraction(r0, form, settings);
}
