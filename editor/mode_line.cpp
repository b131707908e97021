#include "mode_line.h"

#include "settings.h"

namespace {

// The engine computes in degrees for 1, grads for 3 and radians for any
// other value: the line names the unit actually in use.
const char* AngleUnitName(int unit) {
    switch (unit) {
        case 1: return "角度制";
        case 3: return "百分度";
        default: return "弧度制";
    }
}

}  // namespace

std::string ModeLineText(const Settings& settings) {
    std::string line = " ";
    line += settings.RealTimeMode ? "实时计算" : "正常模式";
    line += " , ";
    line += AngleUnitName(settings.AngleUnit);
    line += " , ";
    // The places the engine rounds to, not a stored value it would clamp.
    line += std::to_string(EffectivePrecision(settings));
    line += "位精度";
    return line;
}
