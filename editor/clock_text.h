// The status bar's clock: the local date, time and day of the week as
// part 3 shows them.
#pragma once

#include <string>

struct ClockTime {
    int Year = 0;
    int Month = 1;   // 1..12
    int Day = 1;     // 1..31
    int Hour = 0;    // 0..23
    int Minute = 0;
    int Second = 0;
    int Weekday = 0;  // 0 Sunday .. 6 Saturday
};

// Ten blanks, "2024年 3月 3日 12点 5分 9秒", two blanks and the weekday's
// name; the hour on a 12-hour dial (0 shows as 12) without a morning or
// afternoon mark.
std::string ClockText(const ClockTime& time);
