#include "clock_text.h"

#include <cstdlib>

namespace {

const char* WeekdayName(int weekday) {
    static const char* const kNames[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五"};
    return weekday >= 0 && weekday < 6 ? kNames[weekday] : "星期六";
}

int DialHour(int hour) { return hour >= 1 && hour <= 12 ? hour : std::abs(hour - 12); }

}  // namespace

std::string ClockText(const ClockTime& t) {
    return std::string(10, ' ') + std::to_string(t.Year) + "年 " + std::to_string(t.Month) + "月 " +
           std::to_string(t.Day) + "日 " + std::to_string(DialHour(t.Hour)) + "点 " + std::to_string(t.Minute) +
           "分 " + std::to_string(t.Second) + "秒  " + WeekdayName(t.Weekday);
}
