#include <gtest/gtest.h>

#include "mode_line.h"
#include "settings.h"

namespace {

TEST(ModeLine, ShowsModeAngleUnitAndPlacesInUse) {
    struct Case {
        bool realTime;
        int angleUnit;
        int precision;
        const char* expected;
    };
    const Case cases[] = {
        {true, 1, 12, " 实时计算 , 角度制 , 12位精度"},
        {false, 1, 12, " 正常模式 , 角度制 , 12位精度"},
        {true, 2, 3, " 实时计算 , 弧度制 , 3位精度"},
        {false, 3, 0, " 正常模式 , 百分度 , 0位精度"},
        // Units the settings file could hold: the engine computes in radians.
        {true, 0, 5, " 实时计算 , 弧度制 , 5位精度"},
        {true, 4, 5, " 实时计算 , 弧度制 , 5位精度"},
        {true, -1, 5, " 实时计算 , 弧度制 , 5位精度"},
        // Places as the engine clamps them.
        {false, 1, 14, " 正常模式 , 角度制 , 14位精度"},
        {false, 1, 20, " 正常模式 , 角度制 , 14位精度"},
        {false, 1, -3, " 正常模式 , 角度制 , 0位精度"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.realTime << " " << c.angleUnit << " " << c.precision);
        Settings settings;
        settings.RealTimeMode = c.realTime;
        settings.AngleUnit = c.angleUnit;
        settings.Precision = c.precision;
        EXPECT_EQ(ModeLineText(settings), c.expected);
    }
}

}  // namespace
