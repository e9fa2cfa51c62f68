#include "platform/dlgtemplate.h"

namespace platform {
namespace {
std::span<const DialogTemplate> g_templates;
}

void RegisterDialogTemplates(std::span<const DialogTemplate> table) { g_templates = table; }

const DialogTemplate* FindDialogTemplate(UINT nID) {
    for (const DialogTemplate& t : g_templates)
        if (t.id == nID) return &t;
    return nullptr;
}

}  // namespace platform
