// The test seam: lets an in-process test answer message boxes and the Open
// dialog, make drops, and look at the widgets behind the layer's windows.
// Nothing here is used by the program.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

class QWidget;
class CDialog;

namespace platform::testing {

struct MessageBoxCall {
    std::string text;     // UTF-8
    std::string caption;  // UTF-8
    UINT type;            // MB_ flags as shown (icon added when none was given)
    HWND owner;
};
// Answers message boxes instead of showing them; returns the button id. An
// empty function restores real boxes.
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler);

struct FileDialogCall {
    BOOL open;
    DWORD flags;
    HWND owner;
};
// Answers the Open dialog instead of showing it: a UTF-8 path (need not exist),
// or nullopt to cancel. An empty function restores the real dialog.
void SetFileDialogHandler(std::function<std::optional<std::string>(const FileDialogCall&)> handler);

// A drop handle as a drop of these UTF-8 paths would deliver it.
HDROP MakeDrop(const std::vector<std::string>& utf8Paths);
// Drop handles made and not yet released.
int LiveDrops();

struct DrawIconCall {
    int x;
    int y;
    HICON icon;
};
// Called for every CDC::DrawIcon; an empty function stops recording.
void SetDrawIconRecorder(std::function<void(const DrawIconCall&)> recorder);

struct MenuCall {
    struct Item {
        UINT flags;
        UINT_PTR id;
        std::string text;  // UTF-8, as shown
    };
    std::vector<Item> items;
    HWND owner;
};
// Answers popup menus instead of showing them: the chosen item's id, or
// nullopt to dismiss. An empty function restores real menus.
void SetMenuHandler(std::function<std::optional<UINT_PTR>(const MenuCall&)> handler);

// Runs once inside the next DoModal's loop, right after the dialog is shown.
void SetModalHook(std::function<void(CDialog&)> hook);

// The Qt widget behind a window (tests include Qt; the program never does).
QWidget* WidgetOf(HWND hWnd);

}  // namespace platform::testing
