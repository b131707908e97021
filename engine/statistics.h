// Descriptive statistics of a column of numbers: the service behind the list
// functions max, min, sum and tjfx and the analysis window's statistics page.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct SummaryStatistics {
    double minimum = 0;
    double maximum = 0;
    double range = 0;
    double sum = 0;
    double mean = 0;
    double variance = 0;           // sample variance, n - 1 in the denominator
    double standardDeviation = 0;
    double standardError = 0;      // of the mean
    double median = 0;
};

// All nine outputs for n >= 1 numbers. With a single number the variance,
// standard deviation and standard error are not numbers.
SummaryStatistics SummaryStats(const std::vector<double>& column);

// Output types 1..9: minimum, maximum, range, sum, mean, variance, standard
// deviation, standard error, median.
constexpr int kFirstStatisticsType = 1;
constexpr int kLastStatisticsType = 9;

// The output of `type` for the value texts, each read as a number; nothing
// for a type outside 1..9 or when there is no value.
std::optional<double> Statistics(const std::vector<std::string>& values, int type);
