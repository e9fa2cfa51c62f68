#include "platform/resources.h"

#include "platform/layer_strings.h"

namespace platform {
namespace {

std::span<const StringResource> g_programStrings;

const char* Find(std::span<const StringResource> table, UINT nID) {
    for (const StringResource& entry : table) {
        if (entry.id == nID) return entry.text;
    }
    return nullptr;
}

}  // namespace

void RegisterProgramStrings(std::span<const StringResource> table) { g_programStrings = table; }

std::span<const StringResource> ProgramStrings() { return g_programStrings; }

const char* FindString(UINT nID) {
    if (const char* text = Find(g_programStrings, nID)) return text;
    return Find(LayerStrings(), nID);
}

}  // namespace platform
