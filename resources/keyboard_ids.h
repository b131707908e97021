// Control ids of the virtual keyboard window.
#pragma once

#define IDD_KEYBOARD 205

// The 41 keys, made at the window's start in the key table's order
// (panels/keyboard.h): key i has the id IDC_KB_FIRST_KEY + i.
#define IDC_KB_FIRST_KEY 5801
