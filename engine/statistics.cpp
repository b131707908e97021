#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "number_rules.h"

namespace {

// Not-a-number sorts last, so the order stays strict even for such input.
bool Before(double a, double b) {
    if (std::isnan(b)) return !std::isnan(a);
    return a < b;
}

// Two passes in extended precision: the mean first, then the squared
// differences from it. Subtracting n·mean² from Σx² instead loses every
// digit when the values are large and close together.
long double SampleVariance(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    if (n < 2) return std::numeric_limits<long double>::quiet_NaN();
    long double total = 0;
    for (double x : sorted) total += x;
    const long double mean = total / static_cast<long double>(n);
    long double squares = 0;
    for (double x : sorted) {
        const long double difference = x - mean;
        squares += difference * difference;
    }
    return squares / static_cast<long double>(n - 1);
}

}  // namespace

SummaryStatistics SummaryStats(const std::vector<double>& column) {
    SummaryStatistics stats;
    if (column.empty()) return stats;
    std::vector<double> sorted = column;
    std::sort(sorted.begin(), sorted.end(), Before);
    const std::size_t n = sorted.size();

    stats.median = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) * 0.5;
    stats.minimum = sorted.front();
    stats.maximum = sorted.front();
    for (double x : sorted) {
        stats.minimum = std::min(stats.minimum, x);
        stats.maximum = std::max(stats.maximum, x);
    }
    stats.range = stats.maximum - stats.minimum;
    for (double x : sorted) stats.sum += x;
    stats.mean = stats.sum / static_cast<double>(n);

    const long double variance = SampleVariance(sorted);
    stats.variance = static_cast<double>(variance);
    stats.standardDeviation = static_cast<double>(std::sqrt(std::fabs(variance)));
    stats.standardError = stats.standardDeviation / std::sqrt(static_cast<double>(n));
    return stats;
}

std::optional<double> Statistics(const std::vector<std::string>& values, int type) {
    if (values.empty() || type < kFirstStatisticsType || type > kLastStatisticsType) return {};
    std::vector<double> column;
    column.reserve(values.size());
    for (const std::string& text : values) column.push_back(TextToNumber(text));
    const SummaryStatistics stats = SummaryStats(column);
    switch (type) {
        case 1: return stats.minimum;
        case 2: return stats.maximum;
        case 3: return stats.range;
        case 4: return stats.sum;
        case 5: return stats.mean;
        case 6: return stats.variance;
        case 7: return stats.standardDeviation;
        case 8: return stats.standardError;
        default: return stats.median;
    }
}
