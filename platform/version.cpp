#include "platform/version.h"

#include <cstring>

namespace platform {
namespace {

const VersionRecord* g_programVersion = nullptr;

}  // namespace

void RegisterProgramVersion(const VersionRecord& record) { g_programVersion = &record; }

const VersionRecord* ProgramVersion() { return g_programVersion; }

const char* FindVersionString(const VersionRecord& record, const char* key) {
    for (const VersionString& entry : record.strings) {
        if (std::strcmp(entry.key, key) == 0) return entry.value;
    }
    return nullptr;
}

}  // namespace platform
