// The clock's text for a few moments of the day and the week.
#include <gtest/gtest.h>

#include "clock_text.h"

namespace {

TEST(ClockText, DateTwelveHourDialAndWeekday) {
    struct Case {
        ClockTime time;
        const char* shown;
    };
    const std::string blanks(10, ' ');
    const Case cases[] = {
        {{2024, 3, 3, 0, 5, 9, 0}, "2024年 3月 3日 12点 5分 9秒  星期日"},
        {{2024, 12, 31, 13, 0, 0, 2}, "2024年 12月 31日 1点 0分 0秒  星期二"},
        {{2025, 1, 1, 12, 30, 59, 6}, "2025年 1月 1日 12点 30分 59秒  星期六"},
        {{2025, 1, 1, 23, 59, 0, 5}, "2025年 1月 1日 11点 59分 0秒  星期五"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(ClockText(c.time), blanks + c.shown);
    }
}

}  // namespace
