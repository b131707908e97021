#include "statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "number_rules.h"

namespace {

// The nine outputs as the number-to-text rule writes them, in type order.
std::vector<std::string> Texts(const SummaryStatistics& s) {
    return {NumberToText(s.minimum),  NumberToText(s.maximum),           NumberToText(s.range),
            NumberToText(s.sum),      NumberToText(s.mean),              NumberToText(s.variance),
            NumberToText(s.standardDeviation), NumberToText(s.standardError),
            NumberToText(s.median)};
}

TEST(SummaryStats, AllNineOutputs) {
    struct Case { std::vector<double> column; std::vector<std::string> texts; };
    const Case cases[] = {
        {{1, 2, 3, 4},
         {"1", "4", "3", "10", "2.5", "1.666666666667", "1.290994448736", "0.6454972243679", "2.5"}},
        {{5, 1, 3}, {"1", "5", "4", "9", "3", "4", "2", "1.154700538379", "3"}},
        {{2, 4, 4, 4, 5, 5, 7, 9},
         {"2", "9", "7", "40", "5", "4.571428571429", "2.138089935299", "0.7559289460185", "4.5"}},
        {{-3, 0, -1}, {"-3", "0", "3", "-4", "-1.333333333333", "2.333333333333",
                       "1.527525231652", "0.8819171036882", "-1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.column));
        EXPECT_EQ(Texts(SummaryStats(c.column)), c.texts);
    }
}

TEST(SummaryStats, VarianceKeepsItsDigitsForCloseValues) {
    struct Case { std::vector<double> column; double variance; };
    const Case cases[] = {
        {{10000000001.0, 10000000002.0, 10000000003.0}, 1.0},
        {{10000000003.0, 10000000001.0, 10000000002.0}, 1.0},
        {{0.1, 0.1, 0.1}, 0.0},
        {{1e15 + 2, 1e15 + 4, 1e15 + 6, 1e15 + 8}, 20.0 / 3.0},
        {{-7.25, -7.25}, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.column));
        const SummaryStatistics s = SummaryStats(c.column);
        EXPECT_EQ(NumberToText(s.variance), NumberToText(c.variance));
        EXPECT_EQ(NumberToText(s.standardDeviation), NumberToText(std::sqrt(c.variance)));
    }
}

TEST(SummaryStats, ASingleNumberHasNoSpread) {
    const SummaryStatistics s = SummaryStats({7});
    EXPECT_EQ(s.minimum, 7);
    EXPECT_EQ(s.maximum, 7);
    EXPECT_EQ(s.range, 0);
    EXPECT_EQ(s.median, 7);
    EXPECT_EQ(s.mean, 7);
    EXPECT_TRUE(std::isnan(s.variance));
    EXPECT_TRUE(std::isnan(s.standardDeviation));
    EXPECT_TRUE(std::isnan(s.standardError));
}

TEST(SummaryStats, NotANumberNeverUpsetsTheOrder) {
    std::vector<double> column;
    for (int i = 40; i >= 1; --i) {
        column.push_back(i);
        if (i % 3 == 0) column.push_back(std::nan(""));
    }
    // 53 values, the 13 not-a-numbers sorted last: the median is the 27th.
    const SummaryStatistics s = SummaryStats(column);
    EXPECT_EQ(s.minimum, 1);
    EXPECT_EQ(s.maximum, 40);
    EXPECT_EQ(s.median, 27);
}

TEST(Statistics, PicksTheOutputOfItsType) {
    const std::vector<std::string> values{"3", "1", "2", "4"};
    const double expected[] = {1, 4, 3, 10, 2.5, 5.0 / 3.0, std::sqrt(5.0 / 3.0),
                               std::sqrt(5.0 / 3.0) / 2, 2.5};
    for (int type = 1; type <= 9; ++type) {
        SCOPED_TRACE(type);
        const std::optional<double> r = Statistics(values, type);
        ASSERT_TRUE(r.has_value());
        EXPECT_DOUBLE_EQ(*r, expected[type - 1]);
    }
    for (int type : {0, 10, -1}) EXPECT_FALSE(Statistics(values, type).has_value()) << type;
    EXPECT_FALSE(Statistics({}, 4).has_value());
}

TEST(Statistics, ReadsEachTextAsANumber) {
    // Text that is no number counts as 0, an empty piece included.
    EXPECT_EQ(Statistics({"2.5", "x", "", "-1e+002"}, 4), -97.5);
    EXPECT_EQ(Statistics({"2.5", "x", "", "-1e+002"}, 1), -100);
}

}  // namespace
