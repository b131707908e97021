// The text written behind "=": power-of-ten, decimal and fraction forms.
#pragma once

#include <string>

#include "result_form.h"

struct Settings;

// x is the result value and r0 its NumberToText; a fraction form is used
// only for a result of fraction literals.
std::string ResultText(double x, const std::string& r0, ResultForm form, FractionInput fractionInput,
                       const Settings& settings);

// Decimal text by the places, rounding and grouping settings.
std::string FormatNumber(const std::string& text, const Settings& settings);

// The mixed number ("2∟1∟2") when the form asks for one, else the improper
// fraction ("5∟2"); FormatNumber(text) when no fraction fits the digit limits.
std::string DecimalToFraction(const std::string& text, ResultForm form, const Settings& settings);

// The fraction DecimalToFraction writes for the fraction part f: the one
// the walk from 1/2 would stop at (N grows while N/D lies more than about
// 1e-12 below f, D while it lies above), found by a Stern-Brocot descent in
// a number of steps that grows with the logarithm of D. False where the walk
// gives up: when N and D together reach nine digits first.
bool FindFraction(double f, long long& numerator, long long& denominator);
