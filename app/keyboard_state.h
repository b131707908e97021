// The keyboard as the key handlers see it, read from the platform.
#pragma once

// Shift state of the current message: the sum of kShiftCtrl, kShiftShift
// and kShiftAlt for the keys held.
int CurrentShiftState();
