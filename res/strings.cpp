// The program's string table.
#include "platform/resources.h"
#include "res/resource.h"
