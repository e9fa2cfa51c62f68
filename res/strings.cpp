// The program's string table.
#include "platform/resources.h"
#include "res/resource.h"

namespace {

constexpr platform::StringResource kStrings[] = {
    {IDS_ABOUT_MENU, "关于 ZembrikMD5 Checker(&A)..."},
};

[[maybe_unused]] const bool registered = (platform::RegisterProgramStrings(kStrings), true);

}  // namespace
