// The fast fraction search against the literal walk it replaces: the same
// fraction, and the same give-ups, for every value tried.
//
// The comparison runs on a million values in the ordinary build (about 10 s
// on 8 cores when optimised). The sanitizer build runs 20,000 of them;
// NUMEREL_FRACTION_CASES sets the count in any build, for example
//   NUMEREL_FRACTION_CASES=1000000 ./engine_tests --gtest_filter='FractionSearch.*'
// runs the full million there.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "fraction_walk_reference.h"
#include "result_formatting.h"

#ifndef NUMEREL_FRACTION_CASES
#define NUMEREL_FRACTION_CASES 1000000
#endif

namespace {

long CaseCount() {
    if (const char* text = std::getenv("NUMEREL_FRACTION_CASES")) {
        const long count = std::atol(text);
        if (count > 0) return count;
    }
    return NUMEREL_FRACTION_CASES;
}

struct Outcome {
    bool found = false;
    long long n = 0;
    long long d = 0;
    bool operator==(const Outcome& o) const {
        return found == o.found && (!found || (n == o.n && d == o.d));
    }
};

Outcome ByWalk(double f) {
    Outcome o;
    o.found = FindFractionByWalk(f, o.n, o.d);
    return o;
}

Outcome BySearch(double f) {
    Outcome o;
    o.found = FindFraction(f, o.n, o.d);
    return o;
}

std::string Describe(double f, const Outcome& o) {
    std::ostringstream out;
    out.precision(17);
    out << f << ": ";
    if (o.found) out << o.n << "/" << o.d;
    else out << "gives up";
    return out.str();
}

// Where the walk's acceptance test flips: p/q moved by about 1e-12, give or
// take a few units in the last place.
void AddThresholdNeighbours(std::vector<double>& values, double q, std::mt19937_64& rng) {
    const double exact = 1.0 / q;
    const double offsets[] = {0, 1e-13, -1e-13, 1e-12, -1e-12, 2e-12, -2e-12,
                              1e-12 * (1 - 1e-7), -1e-12 * (1 - 1e-7)};
    const double offset = offsets[rng() % std::size(offsets)];
    double f = exact + offset;
    const int ulps = static_cast<int>(rng() % 9) - 4;
    for (int i = 0; i < std::abs(ulps); ++i) f = std::nextafter(f, ulps > 0 ? 2.0 : -2.0);
    values.push_back(f);
}

// The million, by kind; every count is scaled by the case count.
std::vector<double> ComparisonValues(long total) {
    const double scale = static_cast<double>(total) / 1e6;
    auto count = [scale](long full) { return std::max(1L, std::lround(full * scale)); };
    std::mt19937_64 rng(20240607);
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    // Hand-picked: the ends of the walk, the whole-number cases and the
    // values DecimalToFraction never passes but the search must still match.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {1e-7, 0.5, 0.9999999, 1.0000000000287557e-07, 1 - 1e-12,
                                 0.99999999999999989, 1.0, 2.0, 3.0, 2.5, 1.5, 0.0, -0.0, -1e-13,
                                 -0.5, 4.9e-324, 1e7, 4294967296.5, 1e300, inf, -inf, nan,
                                 0.3334761904762, 0.8333333333333, 1.0 / 9999900,
                                 1.0 / 9999999, 1.0 / 10000000, 12345678.5};

    for (long i = count(560000); i-- > 0;) values.push_back(unit(rng));
    // Small values cost the walk up to ten million rounds each.
    for (long i = count(150000); i-- > 0;) values.push_back(std::pow(10.0, -3 * unit(rng)));
    for (long i = count(1500); i-- > 0;) values.push_back(std::pow(10.0, -3 - 4.5 * unit(rng)));
    for (long i = count(500); i-- > 0;) {
        const std::uint64_t bits = rng();
        double f;
        std::memcpy(&f, &bits, sizeof f);
        values.push_back(f);
    }
    // Exact small fractions and their neighbours.
    const double nudges[] = {0, 1e-13, -1e-13, 5e-13, -5e-13, 1e-12, -1e-12, 1.1e-12, -1.1e-12};
    for (long i = count(200000); i-- > 0;) {
        const long long q = 2 + static_cast<long long>(rng() % 9999);
        const long long p = 1 + static_cast<long long>(rng() % static_cast<std::uint64_t>(q - 1));
        double f = static_cast<double>(p) / static_cast<double>(q) + nudges[rng() % std::size(nudges)];
        if (rng() % 4 == 0) f = std::nextafter(f, rng() % 2 ? 2.0 : -2.0);
        values.push_back(f);
    }
    for (long i = count(40000); i-- > 0;) {
        AddThresholdNeighbours(values, std::floor(std::pow(10.0, 0.3 + 5.7 * unit(rng))), rng);
    }
    // Within 1e-7 of whole numbers (above 1 only through a wrapped integer part).
    for (long i = count(40000); i-- > 0;) {
        const double whole = static_cast<double>(1 + rng() % 9);
        const double delta = std::pow(10.0, -7 - 9 * unit(rng));
        values.push_back(rng() % 2 ? whole + delta : whole - delta);
    }
    for (long i = count(500); i-- > 0;) values.push_back(std::pow(10.0, -6 - 10 * unit(rng)));
    // Fractions of eight digits (found) and of nine (given up), and
    // values just off them.
    for (long i = count(8000); i-- > 0;) {
        const long long q = 1000 + static_cast<long long>(rng() % 999000);
        const long long p = 1 + static_cast<long long>(rng() % static_cast<std::uint64_t>(q - 1));
        double f = static_cast<double>(p) / static_cast<double>(q);
        if (rng() % 3 == 0) f += (rng() % 2 ? 1 : -1) * 1e-12 * unit(rng);
        values.push_back(f);
    }
    return values;
}

TEST(FractionSearch, KnownFractionsAndGiveUps) {
    struct Case { double f; bool found; long long n, d; };
    const Case cases[] = {
        {0.5, true, 1, 2},
        {0.75, true, 3, 4},
        {0.125, true, 1, 8},
        {0.8333333333333, true, 5, 6},     // a 13-digit text, within 1e-12 of 5/6
        {0.0001, true, 1, 10000},
        // The first D whose 1/D lies within 1e-12 of f, not f's own D.
        {1.0 / 9999900, true, 1, 9999801},
        {1e-7, true, 1, 9999901},           // 1 + 7 digits: the longest that fits
        {5e-8, false, 0, 0},                // 1/20000000 would need nine
        {2.0 / 3 + 5e-13, true, 2, 3},
        {2.0 / 3 + 2e-12, false, 0, 0},
        {0.5000001, false, 0, 0},
        {0.3334761904762, false, 0, 0},    // 7003/21000 needs nine digits
        {1.0, true, 2, 2},                 // the walk never tries D = 1
        {2.5, true, 5, 2},
        {3.0, true, 6, 2},
        {std::numeric_limits<double>::quiet_NaN(), true, 1, 2},
        {-0.25, false, 0, 0},
        {5e6, false, 0, 0},                // would be 10000000/2
        {4999999.5, true, 9999999, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        const Outcome expected{c.found, c.n, c.d};
        EXPECT_EQ(Describe(c.f, ByWalk(c.f)), Describe(c.f, expected));
        EXPECT_EQ(Describe(c.f, BySearch(c.f)), Describe(c.f, expected));
    }
}

TEST(FractionSearch, MatchesTheWalkEverywhere) {
    const std::vector<double> values = ComparisonValues(CaseCount());
    ASSERT_GE(static_cast<long>(values.size()), CaseCount());

    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::atomic<std::size_t> next{0};
    std::vector<std::vector<std::size_t>> mismatches(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            // Small chunks: a few values cost the walk far more than the rest.
            for (std::size_t begin; (begin = next.fetch_add(64)) < values.size();) {
                const std::size_t end = std::min(values.size(), begin + 64);
                for (std::size_t i = begin; i < end; ++i) {
                    if (!(ByWalk(values[i]) == BySearch(values[i]))) mismatches[t].push_back(i);
                }
            }
        });
    }
    for (std::thread& worker : workers) worker.join();

    std::size_t total = 0;
    for (const auto& list : mismatches) {
        total += list.size();
        for (std::size_t k = 0; k < list.size() && k < 10; ++k) {
            const double f = values[list[k]];
            ADD_FAILURE() << "walk " << Describe(f, ByWalk(f)) << ", search "
                          << Describe(f, BySearch(f));
        }
    }
    EXPECT_EQ(total, 0u) << "of " << values.size() << " values";
}

}  // namespace
