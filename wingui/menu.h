// Small helpers on menus by command id.
#pragma once

#include <windows.h>

#include <string>

// The item's caption, shortcut text included; empty when the menu has none.
std::wstring MenuItemCaption(HMENU menu, UINT id);

// Shows or hides an item by taking it out of its menu and putting it back,
// with `caption`, in front of the item `before`.
void SetMenuItemShown(HMENU menu, UINT id, UINT before, bool shown, const std::wstring& caption);
