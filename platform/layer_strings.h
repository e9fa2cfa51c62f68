// The layer's own string table: the framework's messages, in narrow text.
#pragma once

#include <span>

#include "platform/resources.h"

namespace platform {
std::span<const StringResource> LayerStrings();
}
