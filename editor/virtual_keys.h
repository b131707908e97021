// Virtual-key codes and shift states of the key events of the expression
// box, named here so the key logic needs no windows.h.
#pragma once

// Shift state of a key event: the sum of these.
constexpr int kShiftCtrl = 1;
constexpr int kShiftShift = 2;
constexpr int kShiftAlt = 4;

namespace vk {

constexpr unsigned kBackspace = 8;
constexpr unsigned kTab = 9;
constexpr unsigned kEnter = 13;
constexpr unsigned kShift = 16;
constexpr unsigned kControl = 17;
constexpr unsigned kAlt = 18;
constexpr unsigned kSpace = 32;
constexpr unsigned kLeft = 37;
constexpr unsigned kRight = 39;

// Digits and letters of the main keyboard are their ASCII codes.
constexpr unsigned kDigit0 = 48;
constexpr unsigned kDigit9 = 57;
constexpr unsigned kLetterA = 65;
constexpr unsigned kLetterC = 67;
constexpr unsigned kLetterD = 68;
constexpr unsigned kLetterT = 84;
constexpr unsigned kLetterV = 86;
constexpr unsigned kLetterY = 89;
constexpr unsigned kLetterZ = 90;

constexpr unsigned kNumpad0 = 96;
constexpr unsigned kNumpad5 = 101;
constexpr unsigned kF1 = 112;
constexpr unsigned kNumLock = 144;
// The "=" / "+" key and the "-" key of the main keyboard.
constexpr unsigned kEquals = 187;
constexpr unsigned kMinus = 189;

constexpr unsigned Digit(int d) { return kDigit0 + static_cast<unsigned>(d); }

}  // namespace vk
