// The program's dialog templates.
#include "platform/dlgtemplate.h"
#include "res/resource.h"

namespace {

using platform::DialogItemTemplate;
using platform::DialogTemplate;

constexpr DialogItemTemplate kMainItems[] = {
    {"Button", IDC_CLEAR, "清空", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 251, 189, 42, 14},
    {"Button", IDCANCEL, "退出", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 304, 189, 42, 14},
    {"Edit", IDC_LISTING, "", 0,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
         ES_READONLY,
     0, 0, 0, 347, 186, "摘要列表"},
    {"Button", IDC_BROWSE, "浏览", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 196, 189, 42, 14},
    {"Static", IDC_STATIC, "可将多个文件直接拖放到窗口以生成MD5", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0, 2,
     192, 144, 8},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_MAIN, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
     WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, 0, 0, 347, 207, "DU5zido", "宋体", 9, kMainItems},
};

[[maybe_unused]] const bool registered = (platform::RegisterDialogTemplates(kTemplates), true);

}  // namespace
