// Files dropped on a window that accepts them (WS_EX_ACCEPTFILES).
#pragma once

#include "platform/types.h"

// iFile 0xFFFFFFFF: the number of dropped items. Otherwise item iFile's full
// path, narrow: with lpszFile nullptr its length; else copied with its NUL
// into lpszFile (cch bytes) and its length returned. A path that does not fit
// is delivered empty (0 returned), never cut short into another path.
UINT DragQueryFileA(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch);
// Releases the drop; nullptr is ignored.
void DragFinish(HDROP hDrop);
