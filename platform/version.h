// The program's version record: the fixed part, one block of named strings and
// its translation. The record is the program's data (res/ registers it); the
// layer keeps only the declaration and the lookup. Strings are narrow bytes.
#pragma once

#include <cstdint>
#include <span>

#include "platform/types.h"

using WORD = std::uint16_t;

inline constexpr DWORD VS_FFI_FILEFLAGSMASK = 0x0000003F;
inline constexpr DWORD VOS__WINDOWS32 = 0x00000004;
inline constexpr DWORD VFT_APP = 0x00000001;
inline constexpr DWORD VFT2_UNKNOWN = 0x00000000;

namespace platform {

struct VersionString {
    const char* key;
    const char* value;
};

struct VersionRecord {
    WORD fileVersion[4];     // most significant part first: 1, 0, 0, 1
    WORD productVersion[4];
    DWORD fileFlagsMask;
    DWORD fileFlags;
    DWORD fileOS;
    DWORD fileType;
    DWORD fileSubtype;
    const char* blockName;   // language and code page of the strings, e.g. "080404b0"
    std::span<const VersionString> strings;
    WORD translationLanguage;
    WORD translationCodePage;
};

// Replaces the program's record (tests may register one of their own).
void RegisterProgramVersion(const VersionRecord& record);
// The program's record, or nullptr if none is registered.
const VersionRecord* ProgramVersion();
// The value of key in the record's string block, or nullptr if it has none.
const char* FindVersionString(const VersionRecord& record, const char* key);

}  // namespace platform
