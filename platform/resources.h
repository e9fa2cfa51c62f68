// String tables. The program registers its own table (from res/) at start-up;
// the layer has its own table of framework messages. A lookup tries the
// program's table first, then the layer's. Texts are narrow (GB18030) bytes.
#pragma once

#include <span>

#include "platform/types.h"

namespace platform {

struct StringResource {
    UINT id;
    const char* text;
};

// Replaces the program's table (tests may register one of their own, or an empty one).
void RegisterProgramStrings(std::span<const StringResource> table);
// The program's table as registered (for a test to put back what it replaced).
std::span<const StringResource> ProgramStrings();
// The text of string nID, or nullptr if neither table has it.
const char* FindString(UINT nID);

}  // namespace platform
