// Inside the layer: what a menu holds.
#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"

struct HMENU__ {
    struct Item {
        UINT flags;
        UINT_PTR id;
        std::string text;               // narrow; the program's items
        const char* layerWord = nullptr;  // the layer's own items: words translated when shown
    };
    std::vector<Item> items;
};

namespace platform {
// The layer's window menu: Move and Close.
void ResetWindowMenu(HMENU__& menu);
}  // namespace platform
