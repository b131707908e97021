// Pop-up menus in the skin. While a pop-up menu shows, the engine draws its
// items itself: they are owner-drawn from WM_INITMENUPOPUP until the menu
// closes, and then exactly what they were before, so the program and
// anyone reading the menu see its own items, captions and data whenever it
// is not on the screen.
#pragma once

#include <windows.h>

#include "skin_paint.h"

// Takes over the drawing of `menu`'s items, on `background`; the system
// menu and items that are pictures keep the system's drawing.
void TakeMenu(HMENU menu, HBRUSH background);
// Gives `menu` back as it was.
void ReleaseMenu(HMENU menu);
// Gives every menu back, as when its loop ends or the system look returns.
void ReleaseAllMenus();
// The background of the menus taken, after a change of skin.
void RebrushMenus(HBRUSH background);

// The border of a pop-up menu window ("#32768") whose menu is taken: all
// of the window round its items, after the system painted it.
void PaintMenuBorder(HWND popup, const SkinColours& colours);

// WM_MEASUREITEM and WM_DRAWITEM of a menu item the engine drew: false
// when the item is not one of the engine's.
bool MeasureMenuItem(MEASUREITEMSTRUCT& item);
bool DrawMenuItem(const DRAWITEMSTRUCT& item, const SkinColours& colours);
// WM_MENUCHAR in a menu taken: the item whose access key is `key`, as
// MAKELRESULT(position, MNC_EXECUTE or MNC_SELECT); `unanswered` (what the
// window answered) when the menu is not the engine's or no item has it.
LRESULT MenuAccessKey(HMENU menu, wchar_t key, LRESULT unanswered);
