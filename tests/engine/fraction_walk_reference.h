// The fraction search exactly as DecimalToFraction first did it: kept only as
// the reference the fast search is proven against, and as the "before" of
// the benchmark.
#pragma once

// N/D from 1/2 upward, N or D stepped by one, until N/D lies within about
// 1e-12 of f. False when N and D together reach nine digits first. Up to
// some ten million rounds for f near 1e-7.
bool FindFractionByWalk(double f, long long& numerator, long long& denominator);
