// Inside the layer: what an HICON is. Shared and never destroyed.
#pragma once

#include "platform/gdi.h"

struct HICON__ {
    platform::IconResource resource;
};
