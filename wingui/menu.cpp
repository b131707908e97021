#include "menu.h"

std::wstring MenuItemCaption(HMENU menu, UINT id) {
    wchar_t caption[128] = {};
    if (menu) GetMenuStringW(menu, id, caption, ARRAYSIZE(caption), MF_BYCOMMAND);
    return caption;
}

void SetMenuItemShown(HMENU menu, UINT id, UINT before, bool shown, const std::wstring& caption) {
    if (!menu) return;
    const bool present = GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
    if (shown && !present) {
        InsertMenuW(menu, before, MF_BYCOMMAND | MF_STRING, id, caption.c_str());
    } else if (!shown && present) {
        RemoveMenu(menu, id, MF_BYCOMMAND);
    }
}
