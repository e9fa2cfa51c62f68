// Menus: the window menu a window keeps for itself (Move, Close and what the
// program appends), opened at Alt+Space, Shift+F10, the Menu key or a right
// click outside the listing; choosing an item sends WM_SYSCOMMAND with its id.
#pragma once

#include "platform/types.h"

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // MF_SEPARATOR, or MF_STRING with a command id and a narrow text ("&A" marks an access key).
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);

    HMENU m_hMenu = nullptr;
};

// The window's own, modifiable window menu (bRevert FALSE); bRevert TRUE puts
// back the layer's items and returns nullptr.
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
