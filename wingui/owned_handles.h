// Owners of the handles a window keeps for its lifetime: each frees its
// handle once, when it is replaced or goes out of scope.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

template <class Handle>
struct GdiObjectDeleter {
    void operator()(Handle object) const { DeleteObject(object); }
};
template <class Handle>
using OwnedGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter<Handle>>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
