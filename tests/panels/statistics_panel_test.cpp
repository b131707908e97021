#include "statistics_panel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StatisticsPanelTest, TenLinesOfTheStatistics) {
    EXPECT_EQ(StatisticsText("1\r\n2\r\n3\r\n4"),
              "样品数量：4\r\n最小值：1\r\n最大值：4\r\n范围值：3\r\n总和：10\r\n平均值：2.5\r\n"
              "方差值：1.666666666667\r\n标准偏差值：1.290994448736\r\n标准误差：0.6454972243679\r\n"
              "总数值：2.5");
    EXPECT_EQ(StatisticsText("5\r\n1\r\n3"),
              "样品数量：3\r\n最小值：1\r\n最大值：5\r\n范围值：4\r\n总和：9\r\n平均值：3\r\n"
              "方差值：4\r\n标准偏差值：2\r\n标准误差：1.154700538379\r\n总数值：3");
}

TEST(StatisticsPanelTest, BlankLinesAndTextCountAsZeroButAFinalLineEndDoesNot) {
    const std::string withBlank = *StatisticsText("5\r\n\r\n3\r\n");
    EXPECT_EQ(withBlank.substr(0, withBlank.find("\r\n平均值")),
              "样品数量：3\r\n最小值：0\r\n最大值：5\r\n范围值：5\r\n总和：8");
    const std::string withText = *StatisticsText("abc\r\n4");
    EXPECT_EQ(withText.substr(0, withText.find("\r\n最大值")), "样品数量：2\r\n最小值：0");
}

TEST(StatisticsPanelTest, ASingleNumberAndAnEmptyText) {
    EXPECT_EQ(StatisticsText("7"),
              "样品数量：1\r\n最小值：7\r\n最大值：7\r\n范围值：0\r\n总和：7\r\n平均值：7\r\n"
              "方差值：-1.#IND\r\n标准偏差值：-1.#IND\r\n标准误差：-1.#IND\r\n总数值：7");
    EXPECT_EQ(StatisticsText(""), std::nullopt);
    EXPECT_EQ(std::string(kStatisticsTemplate),
              "样品数量：\r\n最小值：\r\n最大值：\r\n范围值：\r\n总和：\r\n平均值：\r\n方差值：\r\n"
              "标准偏差值：\r\n标准误差：\r\n总数值：");
}

}  // namespace
