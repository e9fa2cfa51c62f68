// The instance counter: one word shared by every process of the same executable
// file (device and inode) run by the same user. It lives while one of them
// lives and is back at 0 for the next start once the last has ended, however it
// ended. A copy of the executable at another path has a counter of its own.
#pragma once

#include "platform/types.h"

// The program's name for the shared word. Until BindInstanceCounter has run it
// refers to a word of this process only, holding 0.
extern LONG& g_nInstanceCount;

namespace platform {

// Makes g_nInstanceCount the word shared with the other processes of this
// executable. The entry point calls it once, before InitInstance. If the shared
// word cannot be set up, the counter stays a word of this process (so the start
// passes), a note goes to stderr, and the result is false.
bool BindInstanceCounter();

// Opens the folder at path as a private folder of the calling user, creating it
// with mode 0700 if it is missing. Refuses (-1) anything but a real folder owned
// by the user that nobody else may enter. Returns a directory descriptor.
int OpenPrivateFolder(const char* path);

}  // namespace platform
