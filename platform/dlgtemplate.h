// Dialog templates as data: the program's dialogs, registered by res/ and
// turned into windows by the layer's dialog manager.
#pragma once

#include <span>

#include "platform/types.h"

namespace platform {

struct DialogItemTemplate {
    const char* className;  // "Button", "Edit" or "Static"
    int id;
    const char* text;      // narrow; ignored when textResource is set
    UINT textResource;     // an icon resource by number (SS_ICON), else 0
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;    // dialog units
    const char* accessibleName = nullptr;  // narrow; for controls whose text names nothing
};

struct DialogTemplate {
    UINT id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;  // dialog units
    const char* caption;  // narrow
    const char* faceName;  // narrow
    int pointSize;
    std::span<const DialogItemTemplate> items;
};

// Replaces the program's template table.
void RegisterDialogTemplates(std::span<const DialogTemplate> table);
const DialogTemplate* FindDialogTemplate(UINT nID);

}  // namespace platform
