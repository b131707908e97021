// The mode line of the status bar: calculation mode, angle unit and
// decimal places.
#pragma once

#include <string>

struct Settings;

// " 实时计算 , 角度制 , 12位精度" and the like, in GBK.
std::string ModeLineText(const Settings& settings);
