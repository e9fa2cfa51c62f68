#include <deque>

#include "platform/icon_handle.h"

namespace platform {
namespace {

std::span<const IconResource> g_programIcons;

// One handle per icon for the life of the process, as LoadIcon's are.
std::deque<HICON__>& Handles() {
    static std::deque<HICON__> handles;
    return handles;
}

}  // namespace

void RegisterProgramIcons(std::span<const IconResource> table) { g_programIcons = table; }

}  // namespace platform

HINSTANCE AfxGetResourceHandle() {
    static int module;  // the program's own resources; only its identity matters
    return reinterpret_cast<HINSTANCE>(&module);
}

HICON LoadIcon(HINSTANCE, LPCTSTR lpIconName) {
    const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpIconName));
    if (id > 0xFFFF) return nullptr;  // icons are named by number only
    for (HICON__& handle : platform::Handles())
        if (handle.resource.id == id) return &handle;
    for (const platform::IconResource& icon : platform::g_programIcons)
        if (icon.id == id) return &platform::Handles().emplace_back(HICON__{icon});
    return nullptr;
}
