// The text written behind "=": power-of-ten, decimal and fraction forms.
#pragma once

#include <string>

struct Settings;

// x is the result value and r0 its NumberToText; form is 0 decimal,
// 1 improper fraction, 2 mixed number; a fraction form is used only when
// fractionInput is 1.
std::string ResultText(double x, const std::string& r0, int form, int fractionInput,
                       const Settings& settings);

// Decimal text by the places, rounding and grouping settings.
std::string FormatNumber(const std::string& text, const Settings& settings);

// kind 0 improper ("5∟2"), kind 1 mixed ("2∟1∟2"); FormatNumber(text) when
// no fraction fits the digit limits.
std::string DecimalToFraction(const std::string& text, int kind, const Settings& settings);

// The fraction DecimalToFraction writes for the fraction part f: the one
// the walk from 1/2 would stop at (N grows while N/D lies more than about
// 1e-12 below f, D while it lies above), found by a Stern-Brocot descent in
// a number of steps that grows with the logarithm of D. False where the walk
// gives up: when N and D together reach nine digits first.
bool FindFraction(double f, long long& numerator, long long& denominator);
