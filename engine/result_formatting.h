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

// The fraction search: N/D from 1/2 upward, N or D stepped by one, until
// N/D lies within about 1e-12 of f (0 < f < 1). False when N and D together
// reach nine digits first. Up to some ten million rounds for f near 1e-7.
bool FindFractionByWalk(double f, long long& numerator, long long& denominator);
