#include "keyboard_state.h"

#include <windows.h>

#include "virtual_keys.h"

namespace {
bool Held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
}  // namespace

int CurrentShiftState() {
    return (Held(VK_CONTROL) ? kShiftCtrl : 0) | (Held(VK_SHIFT) ? kShiftShift : 0) |
           (Held(VK_MENU) ? kShiftAlt : 0);
}
