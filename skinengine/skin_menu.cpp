#include "skin_menu.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "skin_draw.h"

namespace {

// An item the engine draws, and what it held before.
struct TakenItem {
    HMENU menu;
    UINT position;
    ULONG_PTR data;
};

struct TakenMenu {
    HMENU menu;
    HBRUSH background;  // the menu's own, given back
};

std::vector<std::unique_ptr<TakenItem>> items;
std::vector<TakenMenu> menus;

// Gaps of an item, in pixels: the check mark's column, the space before the
// shortcut, and the sub-menu arrow's column.
constexpr int kCheckColumn = 22;
constexpr int kShortcutGap = 24;
constexpr int kArrowColumn = 18;
constexpr int kSeparatorHeight = 7;

const TakenItem* Taken(ULONG_PTR data) {
    for (const auto& item : items)
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return item.get();
    return nullptr;
}

bool IsTaken(HMENU menu) {
    return std::any_of(menus.begin(), menus.end(), [&](const TakenMenu& m) { return m.menu == menu; });
}

struct ItemLook {
    UINT type = 0;
    HMENU subMenu = nullptr;
    std::wstring caption;  // before the tab
    std::wstring shortcut;  // after it
};

ItemLook LookOf(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = ARRAYSIZE(text);
    ItemLook look;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return look;
    look.type = info.fType;
    look.subMenu = info.hSubMenu;
    const std::wstring whole = text;
    const size_t tab = whole.find(L'\t');
    look.caption = whole.substr(0, tab);
    if (tab != std::wstring::npos) look.shortcut = whole.substr(tab + 1);
    return look;
}

void SetItem(HMENU menu, UINT position, UINT type, ULONG_PTR data) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = type;
    info.dwItemData = data;
    SetMenuItemInfoW(menu, position, TRUE, &info);
}

void SetBackground(HMENU menu, HBRUSH background) {
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = background;
    SetMenuInfo(menu, &info);
}

}  // namespace

void TakeMenu(HMENU menu, HBRUSH background) {
    if (!IsMenu(menu) || IsTaken(menu)) return;
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    if (!GetMenuInfo(menu, &info)) return;
    menus.push_back({menu, info.hbrBack});
    SetBackground(menu, background);
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.fType & (MFT_OWNERDRAW | MFT_BITMAP)) continue;
        items.push_back(std::make_unique<TakenItem>(TakenItem{menu, static_cast<UINT>(i), item.dwItemData}));
        SetItem(menu, static_cast<UINT>(i), item.fType | MFT_OWNERDRAW, reinterpret_cast<ULONG_PTR>(items.back().get()));
    }
}

void ReleaseMenu(HMENU menu) {
    const auto mine = [&](const std::unique_ptr<TakenItem>& item) { return item->menu == menu; };
    for (const auto& item : items) {
        if (!mine(item) || !IsMenu(menu)) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        // The program may have changed the item meanwhile: only the engine's
        // own marks are taken off.
        if (GetMenuItemInfoW(menu, item->position, TRUE, &info) &&
            info.dwItemData == reinterpret_cast<ULONG_PTR>(item.get()))
            SetItem(menu, item->position, info.fType & ~MFT_OWNERDRAW, item->data);
    }
    items.erase(std::remove_if(items.begin(), items.end(), mine), items.end());
    for (const TakenMenu& taken : menus)
        if (taken.menu == menu && IsMenu(menu)) SetBackground(menu, taken.background);
    menus.erase(std::remove_if(menus.begin(), menus.end(), [&](const TakenMenu& m) { return m.menu == menu; }),
                menus.end());
}

void ReleaseAllMenus() {
    while (!menus.empty()) ReleaseMenu(menus.back().menu);
    items.clear();
}

void RebrushMenus(HBRUSH background) {
    for (const TakenMenu& taken : menus)
        if (IsMenu(taken.menu)) SetBackground(taken.menu, background);
}

void PaintMenuBorder(HWND popup, const SkinColours& colours) {
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    if (!menu || !IsTaken(menu)) return;
    const HDC dc = GetWindowDC(popup);
    if (!dc) return;
    RECT frame;
    GetWindowRect(popup, &frame);
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        RECT item;
        if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item)) continue;
        ExcludeClipRect(dc, item.left - frame.left, item.top - frame.top, item.right - frame.left,
                        item.bottom - frame.top);
    }
    const RECT whole{0, 0, frame.right - frame.left, frame.bottom - frame.top};
    Fill(dc, whole, colours[kSkinMenu]);
    Outline(dc, whole, colours[kSkinButtonBorder]);
    ReleaseDC(popup, dc);
}

bool MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) return false;
    const TakenItem* item = Taken(measure.itemData);
    if (!item) return false;
    const ItemLook look = LookOf(item->menu, item->position);
    if (look.type & MFT_SEPARATOR) {
        measure.itemWidth = 1;
        measure.itemHeight = kSeparatorHeight;
        return true;
    }
    const HDC dc = GetDC(nullptr);
    SIZE caption{}, shortcut{};
    {
        FontIn font(dc, MenuFont());
        GetTextExtentPoint32W(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &caption);
        if (!look.shortcut.empty())
            GetTextExtentPoint32W(dc, look.shortcut.c_str(), static_cast<int>(look.shortcut.size()), &shortcut);
    }
    ReleaseDC(nullptr, dc);
    measure.itemWidth = static_cast<UINT>(kCheckColumn + caption.cx + (shortcut.cx ? kShortcutGap + shortcut.cx : 0) +
                                          kArrowColumn);
    measure.itemHeight = static_cast<UINT>(std::max<int>(caption.cy + 6, GetSystemMetrics(SM_CYMENUSIZE)));
    return true;
}

bool DrawMenuItem(const DRAWITEMSTRUCT& draw, const SkinColours& colours) {
    if (draw.CtlType != ODT_MENU) return false;
    const TakenItem* item = Taken(draw.itemData);
    if (!item) return false;
    const ItemLook look = LookOf(item->menu, item->position);
    const HDC dc = draw.hDC;
    const RECT& box = draw.rcItem;
    Fill(dc, box, colours[kSkinMenu]);
    if (look.type & MFT_SEPARATOR) {
        const int y = (box.top + box.bottom) / 2;
        Fill(dc, {box.left + 4, y, box.right - 4, y + 1}, colours[kSkinMenuSeparator]);
        return true;
    }
    const bool grey = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool chosen = (draw.itemState & ODS_SELECTED) != 0;
    COLORREF ink = colours[kSkinMenuText], mark = colours[kSkinCheckMark];
    if (grey) {
        ink = mark = colours[kSkinDisabledText];
        // A grey item under the cursor keeps its background: its text stays readable.
        if (chosen) Outline(dc, box, colours[kSkinMenuHighlight]);
    } else if (chosen) {
        Fill(dc, box, colours[kSkinMenuHighlight]);
        ink = mark = colours[kSkinMenuHighlightText];
    }
    if (draw.itemState & ODS_CHECKED) {
        const int side = 13;
        const int top = (box.top + box.bottom - side) / 2;
        const RECT check{box.left + (kCheckColumn - side) / 2, top, box.left + (kCheckColumn - side) / 2 + side,
                         top + side};
        if (look.type & MFT_RADIOCHECK) {
            Fill(dc, {check.left + 4, check.top + 4, check.right - 4, check.bottom - 4}, mark);
        } else {
            CheckMark(dc, check, mark);
        }
    }
    RECT text{box.left + kCheckColumn, box.top, box.right - kArrowColumn, box.bottom};
    FontIn font(dc, MenuFont());
    const UINT prefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    Text(dc, look.caption, text, ink, DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
    if (!look.shortcut.empty()) Text(dc, look.shortcut, text, ink, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    if (look.subMenu) {
        const RECT column{box.right - kArrowColumn, box.top, box.right, box.bottom};
        Triangle(dc, column, Pointing::kRight, ink);
        // The system draws its own arrow after this: it stays off the item.
        ExcludeClipRect(dc, column.left, column.top, column.right, column.bottom);
    }
    return true;
}

LRESULT MenuAccessKey(HMENU menu, wchar_t key, LRESULT unanswered) {
    if (HIWORD(unanswered) != MNC_IGNORE || !IsTaken(menu)) return unanswered;
    std::vector<UINT> matches;
    UINT after = 0;
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        const UINT position = static_cast<UINT>(i);
        const std::wstring caption = LookOf(menu, position).caption;
        for (size_t at = caption.find(L'&'); at != std::wstring::npos && at + 1 < caption.size();
             at = caption.find(L'&', at + 2)) {
            if (caption[at + 1] == L'&') continue;
            if (std::towupper(caption[at + 1]) == std::towupper(key)) matches.push_back(position);
            break;
        }
        if (GetMenuState(menu, position, MF_BYPOSITION) & MF_HILITE) after = position + 1;
    }
    if (matches.empty()) return unanswered;
    if (matches.size() == 1) return MAKELRESULT(matches.front(), MNC_EXECUTE);
    // Several items share the key: each press selects the next of them.
    const auto next = std::find_if(matches.begin(), matches.end(), [&](UINT p) { return p >= after; });
    return MAKELRESULT(next == matches.end() ? matches.front() : *next, MNC_SELECT);
}
