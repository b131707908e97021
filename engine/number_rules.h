// How numbers become text and text becomes numbers, rounding, integer parts
// and the engine's tolerance. Every value the engine keeps is the text these
// rules write.
#pragma once

#include <cstdint>
#include <string>

constexpr double kTolerance = 1e-7;

bool IsFinite(double x);
bool NearlyEqual(double a, double b);
bool NearlyZero(double x);

// At most 13 significant digits, shortest form; exponent form below 1e-4
// and from 1e13 on, with a sign and at least three exponent digits
// ("1e+013", "1.5e-007"); "1.#INF", "-1.#INF", "-1.#IND" for the non-finite.
// Negative zero is written "0".
std::string NumberToText(double x);

// Half-width folding first, then the longest prefix of: blanks, a sign,
// digits with at most one ".", an optional exponent ("e"/"E", sign, digits).
// No prefix gives 0. "inf", "nan" and hex are never numbers here.
double TextToNumber(const std::string& text);

// Halves away from zero with a nudge of 1e-12; n may be negative.
double RoundToPlaces(double x, int places = 0);

// Cut toward zero after snapping a fraction above 0.999999999999 away from
// zero; the low 32 bits as a signed integer. NaN and infinities give 0.
std::int32_t IntegerPart(double x);

// x divided by the divisor; the quotient is taken as its 13-digit text and
// then cut toward zero, so 0.3 \ 0.1 gives 3 (the binary quotient is just
// below 3). No 32-bit wrap: 1e10 \ 1 gives 1e10. A non-finite quotient is
// returned as it is; callers test it first.
double IntegerDivide(double x, double divisor);

// Rounded to `places` when places >= 0 (then padded to exactly that many
// decimals when above 0); grouped with "," when `thousands` is set.
// places < 0 means "no places given".
std::string FormattedNumberText(double x, int places, bool thousands);
