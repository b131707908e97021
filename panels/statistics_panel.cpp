#include "statistics_panel.h"

#include <vector>

#include "number_rules.h"
#include "statistics.h"
#include "text_rules.h"

const char kStatisticsTemplate[] =
    "样品数量：\r\n最小值：\r\n最大值：\r\n范围值：\r\n总和：\r\n平均值：\r\n方差值：\r\n"
    "标准偏差值：\r\n标准误差：\r\n总数值：";

std::optional<std::string> StatisticsText(const std::string& input) {
    if (input.empty()) return std::nullopt;
    const std::vector<std::string> lines = TextSplit(input, "\r\n");
    std::vector<double> column;
    column.reserve(lines.size());
    for (const std::string& line : lines) column.push_back(TextToNumber(line));
    const SummaryStatistics stats = SummaryStats(column);
    return "样品数量：" + std::to_string(column.size()) +
           "\r\n最小值：" + NumberToText(stats.minimum) +
           "\r\n最大值：" + NumberToText(stats.maximum) +
           "\r\n范围值：" + NumberToText(stats.range) +
           "\r\n总和：" + NumberToText(stats.sum) +
           "\r\n平均值：" + NumberToText(stats.mean) +
           "\r\n方差值：" + NumberToText(stats.variance) +
           "\r\n标准偏差值：" + NumberToText(stats.standardDeviation) +
           "\r\n标准误差：" + NumberToText(stats.standardError) +
           "\r\n总数值：" + NumberToText(stats.median);
}
