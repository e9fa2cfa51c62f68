// The program's icons.
#include <cstddef>

#include "platform/gdi.h"
#include "res/resource.h"

extern const unsigned char kAppIconImage[];
extern const std::size_t kAppIconImageSize;

namespace {

const platform::IconResource kIcons[] = {
    {IDI_APP, {kAppIconImage, kAppIconImageSize}},  // 32 x 32, 16 colours
};

[[maybe_unused]] const bool registered = (platform::RegisterProgramIcons(kIcons), true);

}  // namespace
