#include "platform/menu_private.h"

namespace platform {

void ResetWindowMenu(HMENU__& menu) {
    menu.items = {{MF_STRING, SC_MOVE, {}, "&Move"}, {MF_STRING, SC_CLOSE, {}, "&Close"}};
}

}  // namespace platform

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem) {
    if (hMenu == nullptr) return FALSE;
    if (uFlags & MF_SEPARATOR)
        hMenu->items.push_back({MF_SEPARATOR, 0, {}});
    else
        hMenu->items.push_back({uFlags, uIDNewItem, lpNewItem ? lpNewItem : ""});
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
