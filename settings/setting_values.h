// How a value of the settings file is encoded as text.
#pragma once

#include <cstdint>
#include <string>

// True only for exactly "真": "真 ", "true" and "1" are false.
bool BoolFromSetting(const std::string& text);
std::string BoolToSetting(bool value);

// The text read as a number the way a number reader does: blanks skipped,
// an optional sign, digits, an optional fraction and exponent; full-width
// digits, "＋", "－" and "．" count as their ASCII forms. Reading stops at
// the first byte that cannot continue the number ("0x10" reads 0, "1e"
// reads 1); no number at all reads 0. The value is cut toward zero and
// held to the type's range instead of overflowing.
std::int32_t Int32FromSetting(const std::string& text);
std::int64_t Int64FromSetting(const std::string& text);
std::string IntToSetting(std::int64_t value);

// Cut toward zero, held to the range; NaN gives 0.
std::int32_t SaturatedInt32(double value);
std::int64_t SaturatedInt64(double value);
