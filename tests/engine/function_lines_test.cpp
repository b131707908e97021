// Function lines evaluated whole on the in-memory text box: what the user
// sees behind the expression, or the status message and an untouched line.
#include <gtest/gtest.h>

#include "engine_session.h"

namespace {

struct LineCase {
    std::string input;
    std::string result;   // shown after "=", or empty when the line fails
    std::string message;  // status part 0 afterwards
};

void RunLines(const std::vector<LineCase>& cases, void (*configure)(Settings&) = nullptr) {
    for (const LineCase& c : cases) {
        SCOPED_TRACE("input: " + c.input);
        EngineSession session;
        session.settings.RealTimeMode = false;
        if (configure) configure(session.settings);
        session.Load(c.input);
        const bool wrote = session.engine.Evaluator();
        EXPECT_EQ(wrote, c.message.empty());
        EXPECT_EQ(session.box.Text(), c.message.empty() ? c.input + "=" + c.result : c.input);
        EXPECT_EQ(session.status.PartText(StatusPart::Message), c.message);
    }
}

const char* const kFactorial = "  [运算错误]_阶乘的参数必须是一个整数且大于零,小于等于150！";

TEST(FunctionLines, OneArgumentFunctions) {
    RunLines({
        {"sin30", "0.5", ""},
        {"asin0.5", "30", ""},
        {"acos0", "90", ""},
        {"acos0.5", "60", ""},
        {"atan1", "45", ""},
        {"tan90", "1.63312393532×10^016", ""},
        {"150!", "5.713383956446×10^262", ""},
        {"5.00000005!", "120", ""},
        {"50%", "0.5", ""},
        {"500‰", "0.5", ""},
        {"int3000000000", "3000000000", ""},
        {"151!", "", kFactorial},
        {"(-3)!", "", kFactorial},
        {"sin(1,2)", "", "  [运算错误]_为sin函数提供过多的参数，函数参数必须为1个！"},
        {"sin()", "", "  [运算错误]_sin函数参数不能为空！"},
        {"ln0", "", "  [运算错误]_ln函数运算错误！"},
        {"exp1000", "", "  [运算错误]_exp函数运算错误！"},
        {"lg(-1)", "", "  [运算错误]_lg函数运算错误！"},
    });
}

TEST(FunctionLines, ListFunctions) {
    RunLines({
        {"log(2,8)", "3", ""},
        {"max(3,-1,7)", "7", ""},
        {"if(2.7,10,20,30)", "20", ""},
        {"if(0.99999995,10,20)", "10", ""},
        {"tjfx(6,2,4,4,4,5,5,7,9)", "4.571428571429", ""},
        {"tjfx(8,2,4,4,4,5,5,7,9)", "0.755928946019", ""},
        {"tjfx(6,10000000001,10000000002,10000000003)", "1", ""},
        {"tjfx(10,1,2)", "", "  [运算错误]_求tjfx函数的定义参数超出范围！"},
        {"tjfx(6,5)", "", "  [运算错误]_求tjfx函数运算错误！"},
        {"log(8)", "", "  [运算错误]_求log函数参数数量必须为2！"},
        {"log(1,5)", "", "  [运算错误]_log函数运算错误！"},
        {"max()", "", "  [运算错误]_求max函数参数不能为空！"},
        {"sum(10^308,10^308)", "", "  [运算错误]_求sum函数运算错误！"},
    });
}

TEST(FunctionLines, AngleUnits) {
    RunLines({{"sin100", "-0.50636564111", ""}, {"atan1", "0.785398163397", ""}},
             [](Settings& s) { s.AngleUnit = 2; });
    RunLines({{"sin100", "1", ""}, {"asin1", "100", ""}, {"acos0", "100", ""}},
             [](Settings& s) { s.AngleUnit = 3; });
}

TEST(FunctionLines, OnlyTheSignLeavesAFractionShowable) {
    RunLines({{"-1∟2+1∟3", "-1∟6", ""}, {"0.5+1", "1.5", ""}, {"sum(1∟2,1∟3)", "0.833333333333", ""}},
             [](Settings& s) { s.FractionType = 1; });
}

}  // namespace
