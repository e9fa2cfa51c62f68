// The program's version record.
#include "platform/version.h"

namespace {

const platform::VersionString kStrings[] = {
    {"Comments", "计算文件的MD5校验值，可将多个文件直接拖放到窗口"},
    {"CompanyName", "Zembrik"},
    {"FileDescription", "ZembrikMD5检测程序"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "ZembrikMD5"},
    {"LegalTrademarks", "ZembrikMD5 是 Zembrik 的商标"},
    {"OriginalFilename", "ZembrikMD5.exe"},
    {"ProductName", "ZembrikMD5"},
    {"ProductVersion", "1, 0, 0, 1"},
};

const platform::VersionRecord kVersion = {
    .fileVersion = {1, 0, 0, 1},
    .productVersion = {1, 0, 0, 1},
    .fileFlagsMask = VS_FFI_FILEFLAGSMASK,
    .fileFlags = 0,
    .fileOS = VOS__WINDOWS32,
    .fileType = VFT_APP,
    .fileSubtype = VFT2_UNKNOWN,
    .blockName = "080404b0",  // Chinese (Simplified, PRC), Unicode
    .strings = kStrings,
    .translationLanguage = 0x0804,
    .translationCodePage = 1200,
};

// Registered during static initialisation, before the entry point runs.
[[maybe_unused]] const bool kRegistered = (platform::RegisterProgramVersion(kVersion), true);

}  // namespace
