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

constexpr DialogItemTemplate kAboutItems[] = {
    {"Static", IDC_STATIC, nullptr, IDI_APP, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 11, 13, 21, 21},
    {"Static", IDC_STATIC, "ZembrikMD5检测程序 1.0 版", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0,
     40, 14, 119, 8},
    {"Static", IDC_STATIC, "版权所有 (C) 2026 Zembrik", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0, 40, 30, 206,
     8},
    {"Button", IDOK, "确定", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 205, 46, 38, 14},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_ABOUT, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 254, 67, "关于DU5zido", "宋体",
     9, kAboutItems},
    {IDD_MAIN, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
     WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, 0, 0, 347, 207, "DU5zido", "宋体", 9, kMainItems},
};

[[maybe_unused]] const bool registered = (platform::RegisterDialogTemplates(kTemplates), true);

}  // namespace
