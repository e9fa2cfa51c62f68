#include "platform/layer_strings.h"

namespace platform {

std::span<const StringResource> LayerStrings() { return {}; }

}  // namespace platform
